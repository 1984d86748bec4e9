add_library(window_events STATIC ${CMAKE_CURRENT_LIST_DIR}/window_events.cpp ${CMAKE_CURRENT_LIST_DIR}/window_events.h)
find_package(Qt6 REQUIRED COMPONENTS Test)
target_link_libraries(window_events PUBLIC brelo_ui brelo_scenario Qt6::Test)

# Plays one event N times in a process of its own.
add_executable(window_probe ${CMAKE_CURRENT_LIST_DIR}/window_probe.cpp)
target_link_libraries(window_probe PRIVATE window_events)

# Starts the window in a process of its own, linked as the program is.
add_executable(startup_probe ${CMAKE_CURRENT_LIST_DIR}/startup_probe.cpp)
target_link_libraries(startup_probe PRIVATE brelo_ui)

brelo_benchmark(bench_window SOURCES ${CMAKE_CURRENT_LIST_DIR}/bench_window.cpp QT)
target_link_libraries(bench_window PRIVATE window_events)
add_dependencies(bench_window startup_probe)
target_compile_definitions(bench_window PRIVATE STARTUP_PROBE="$<TARGET_FILE:startup_probe>")
