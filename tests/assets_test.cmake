# SPDX-License-Identifier: GPL-3.0-or-later
# Format checks of the committed pictures under assets/, through Qt's image
# readers and, for what those do not tell, the bytes themselves.
if(NOT TARGET GTest::gtest_main)
    find_package(GTest REQUIRED)
endif()
include(GoogleTest)

get_filename_component(KALVORA_ASSETS_DIR_ABSOLUTE "${CMAKE_CURRENT_LIST_DIR}/../assets" ABSOLUTE)
add_executable(kalvora_assets_tests ${CMAKE_CURRENT_LIST_DIR}/assets_test.cpp)
target_compile_features(kalvora_assets_tests PRIVATE cxx_std_17)
target_compile_definitions(kalvora_assets_tests
    PRIVATE KALVORA_ASSETS_DIR="${KALVORA_ASSETS_DIR_ABSOLUTE}")
# The picture buttons' stems come from the window's controls table.
target_include_directories(kalvora_assets_tests
    PRIVATE ${CMAKE_CURRENT_LIST_DIR}/../ui ${CMAKE_CURRENT_LIST_DIR}/../game)
target_link_libraries(kalvora_assets_tests PRIVATE Qt6::Gui GTest::gtest_main)
gtest_discover_tests(kalvora_assets_tests DISCOVERY_TIMEOUT 60)
