brelo_benchmark(bench_drawing SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_drawing.cpp QT)
