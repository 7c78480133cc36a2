target_sources(tavor_com_tests PRIVATE
    MessageFilterTest.cpp
    WinDesktopTest.cpp
)
