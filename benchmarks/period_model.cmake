brelo_benchmark(bench_period_model SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_period_model.cpp QT)
