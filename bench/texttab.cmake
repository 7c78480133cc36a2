tavor_benchmark(tavor_texttab_bench
    ${CMAKE_CURRENT_LIST_DIR}/TextTabBench.cpp
)
target_link_libraries(tavor_texttab_bench PRIVATE tavor_testsupport)
