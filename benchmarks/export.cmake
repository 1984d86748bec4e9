brelo_benchmark(bench_export SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_export.cpp QT)
