target_sources(tavor_core PRIVATE)
