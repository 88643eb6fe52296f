zt_bench(zt_bench_page PageBench.cpp BenchRatio.cpp)
target_link_libraries(zt_bench_page PRIVATE zt_formats)
