target_sources(tavor_core_tests PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/WidthMapTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ZenHanUtilPlatformTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ZenHanUtilTablesTest.cpp
)

# Windows' own mapping against ours, code unit by code unit (run under Wine here).
if(WIN32)
    add_executable(tavor_width_peer ${CMAKE_CURRENT_LIST_DIR}/peer/WidthPeerTest.cpp)
    target_link_libraries(tavor_width_peer PRIVATE tavor_core GTest::gtest_main tavor_options)
    add_test(NAME width_peer COMMAND tavor_width_peer)
endif()
