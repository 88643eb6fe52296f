# map view drawing against a plain block copy of the view
if(TARGET zt_mapview)
  zt_bench(zt_bench_mapview MapViewBench.cpp BenchRatio.cpp)
  target_link_libraries(zt_bench_mapview PRIVATE zt_mapview)
endif()
