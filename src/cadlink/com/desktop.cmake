target_sources(tavor_core PRIVATE
    TMessageFilter.cpp
    TMessageFilter.h
    WinDesktop.cpp
    WinDesktop.h
)
