brelo_benchmark(bench_optics SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_optics.cpp)
