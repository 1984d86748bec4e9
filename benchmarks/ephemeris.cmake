brelo_benchmark(bench_ephemeris SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_ephemeris.cpp)
brelo_benchmark(bench_period SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_period.cpp)
