# Included from tests/ui/CMakeLists.txt. The captions name the build-time addresses, so the test
# reads them from the generated header too.
include(GoogleTest)
add_executable(captions_test ${CMAKE_CURRENT_LIST_DIR}/captions_test.cpp)
target_link_libraries(captions_test PRIVATE lunavik_ui lunavik_promo GTest::gtest_main)
target_include_directories(captions_test PRIVATE ${CMAKE_BINARY_DIR}/generated)
lunavik_add_gtest(captions_test PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen)
