tavor_benchmark(tavor_editor_commands_bench
    ${CMAKE_CURRENT_LIST_DIR}/EditorCommandsBench.cpp
    ${CMAKE_SOURCE_DIR}/tests/convert/TestCommandHost.cpp
    ${CMAKE_SOURCE_DIR}/tests/convert/TestCommandHost.h
)
target_link_libraries(tavor_editor_commands_bench PRIVATE tavor_testsupport)
