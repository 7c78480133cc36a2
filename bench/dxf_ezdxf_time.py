#!/usr/bin/python3
"""Times ezdxf.readfile and Drawing.saveas on one file; prints the seconds and the peak memory
in MB above the interpreter's own (for bench/DxfBench.cpp)."""
import os
import resource
import sys
import time

import ezdxf

before = resource.getrusage(resource.RUSAGE_SELF).ru_maxrss
start = time.perf_counter()
doc = ezdxf.readfile(sys.argv[1])
doc.saveas(os.path.join(os.path.dirname(sys.argv[1]), "ezdxf-saved.dxf"))
seconds = time.perf_counter() - start
peak = resource.getrusage(resource.RUSAGE_SELF).ru_maxrss - before
print(seconds, peak / 1024.0)
