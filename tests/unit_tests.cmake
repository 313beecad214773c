# The platform-independent GoogleTest programs, one per part of segcalc, for
# both builds: tests/CMakeLists.txt runs them on Linux, tests/windows on
# Windows' runtime under Wine, where the calculation must give the same digits.
# A test file that runs anywhere is listed here and nowhere else; one that
# needs Linux (child processes, the POSIX locale backend, Qt, python, a
# browser) is listed in tests/CMakeLists.txt. Each build registers the programs
# SEGCALC_UNIT_TESTS names with ctest in its own way.
set(unit_tests_dir ${CMAKE_CURRENT_LIST_DIR})

# Random inputs for comparing the fast solve with the plain scan; `make
# difftest` uses them too.
add_library(segcalc_solve_inputs STATIC ${unit_tests_dir}/calc/solve_inputs.cpp)
target_link_libraries(segcalc_solve_inputs PUBLIC segcalc_calc)

# Texts a user can type or paste, with what reading and computing each gives.
add_library(segcalc_hostile_texts STATIC ${unit_tests_dir}/support/hostile_texts.cpp)
target_link_libraries(segcalc_hostile_texts PUBLIC segcalc_calc)

set(SEGCALC_UNIT_TESTS calc_tests geometry_tests cli_tests window_commands_tests shop_tests
                       barplan_tests)

# The tests among them that start threads (a batch on several workers, the
# shared bounds from several threads), as a GoogleTest filter: the web page
# has no threads, so its build leaves these to the others.
string(JOIN : SEGCALC_THREADED_TESTS
  RangeBounds.SharedBetweenThreadsFromTheFirstUse
  ParallelBatch.*
  RunBatch.ReadsUtf16AndUtf8WithMark
  RunCli.BatchWithJobsKeepsOrderAndABadCountIsAUsageError
  ShopCli.BatchExactAppendsFiveColumnsToEveryLine)

set(calc_tests_sources
  calc/number_text_test.cpp
  calc/segment_solver_test.cpp
  calc/compute_request_test.cpp
  calc/fast_solver_test.cpp
  calc/bounded_solve_test.cpp
  calc/hostile_text_test.cpp)
set(calc_tests_libraries segcalc_calc segcalc_solve_inputs segcalc_hostile_texts)

set(geometry_tests_sources
  geometry/exact_geometry_test.cpp
  geometry/exact_gap_test.cpp
  geometry/compute_record_test.cpp
  geometry/option_numbers_test.cpp
  geometry/profile_test.cpp
  geometry/divisions_test.cpp
  geometry/stations_test.cpp
  geometry/area_test.cpp
  geometry/circle_fit_test.cpp
  geometry/points_text_test.cpp
  geometry/arc_part_test.cpp
  geometry/worked_examples_test.cpp
  geometry/arch_test.cpp
  geometry/bending_arcs_test.cpp
  geometry/arch_examples_test.cpp)
set(geometry_tests_libraries segcalc_geometry)

set(cli_tests_sources
  cli/cli_options_test.cpp
  cli/batch_test.cpp
  cli/parallel_batch_test.cpp
  cli/cli_app_test.cpp
  cli/input_encoding_test.cpp
  cli/cutting_list_test.cpp)
set(cli_tests_libraries segcalc_cli_app)

# The window's state and commands, without any toolkit.
set(window_commands_tests_sources
  window/commands_test.cpp
  window/exact_results_test.cpp
  window/workbench_test.cpp
  window/paper_choice_test.cpp
  window/form_design_test.cpp
  ../app/display_check.cpp)
set(window_commands_tests_libraries segcalc_terminal_answer)

# The shop-floor writers and segcalc-cli's options for them, in process.
set(shop_tests_sources
  shopfloor/shopfloor_test.cpp
  shopfloor/cutting_sheet_test.cpp
  shopfloor/part_picture_test.cpp
  shopfloor/summary_and_fit_test.cpp
  shopfloor/sheet_plan_test.cpp
  cli/shop_cli_test.cpp
  cli/part_cli_test.cpp
  cli/shape_cli_test.cpp
  cli/sheet_plan_cli_test.cpp)
set(shop_tests_libraries segcalc_shopfloor segcalc_cli_app)

# The bar plan: the solver with every plan checked by a checker of its own
# (tests/barplan/plan_checker), the lists it reads and its writers.
set(barplan_tests_sources
  barplan/plan_checker.cpp
  barplan/bar_plan_test.cpp
  barplan/piece_list_text_test.cpp
  shopfloor/bar_plan_writers_test.cpp)
set(barplan_tests_libraries segcalc_shopfloor)

foreach(name IN LISTS SEGCALC_UNIT_TESTS)
  list(TRANSFORM ${name}_sources PREPEND ${unit_tests_dir}/ OUTPUT_VARIABLE sources)
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE ${${name}_libraries} GTest::gtest_main)
endforeach()
