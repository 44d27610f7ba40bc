# Warnings and sanitizers for our own targets; third-party code is never built with these.

if(KELVARO_SANITIZE STREQUAL "address")
  set(KELVARO_SANITIZER_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
elseif(KELVARO_SANITIZE STREQUAL "thread")
  set(KELVARO_SANITIZER_FLAGS -fsanitize=thread -fno-omit-frame-pointer)
elseif(NOT KELVARO_SANITIZE STREQUAL "")
  message(FATAL_ERROR "KELVARO_SANITIZE must be empty, 'address' or 'thread'")
endif()

if(KELVARO_SANITIZER_FLAGS)
  add_compile_options(${KELVARO_SANITIZER_FLAGS})
  add_link_options(${KELVARO_SANITIZER_FLAGS})
endif()

function(kelvaro_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
endfunction()

# kelvaro_test(<name> SOURCES <files...> LIBS <targets...>)
# One GoogleTest executable; every TEST becomes a CTest case.
function(kelvaro_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  kelvaro_warnings(${name})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main GTest::gmock)
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 300)
endfunction()
