find_package(ICU REQUIRED COMPONENTS uc i18n)
tavor_benchmark(width_bench ${CMAKE_CURRENT_LIST_DIR}/WidthBench.cpp)
target_link_libraries(width_bench PRIVATE ICU::uc ICU::i18n)
