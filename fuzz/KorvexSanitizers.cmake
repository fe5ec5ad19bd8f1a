# Instrumentation of every layer for the sanitizer run (scripts/sanitize) and the fuzzing
# build (fuzz/run). Included before the source folders so that all of them are instrumented.

if(KORVEX_FUZZ OR KORVEX_SANITIZE)
  # Undefined behaviour stops the process, so that the fuzzer and CTest both see it.
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined
                      -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

if(KORVEX_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "KORVEX_FUZZ needs clang: configure with -DCMAKE_CXX_COMPILER=clang++")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()
