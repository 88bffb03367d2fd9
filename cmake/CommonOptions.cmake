# One interface target carries the language standard, the warnings and the
# sanitizer flags for every target of the project.
option(CORVANE_WERROR "Treat warnings as errors" OFF)
set(CORVANE_SANITIZE "" CACHE STRING "Sanitizers: empty, address (ASan+UBSan) or thread (TSan)")
option(CORVANE_FUZZ "Build only the libFuzzer targets (needs clang)" OFF)
option(CORVANE_BENCH "Build the benchmarks" ON)

set(CMAKE_CXX_EXTENSIONS OFF)
set(CMAKE_CXX_VISIBILITY_PRESET hidden)
set(CMAKE_VISIBILITY_INLINES_HIDDEN ON)
set(CMAKE_POSITION_INDEPENDENT_CODE ON)
set(CMAKE_EXPORT_COMPILE_COMMANDS ON)

add_library(corvane_options INTERFACE)
target_compile_features(corvane_options INTERFACE cxx_std_20)
target_compile_options(corvane_options INTERFACE -Wall -Wextra -Wpedantic)
if(CORVANE_WERROR)
    target_compile_options(corvane_options INTERFACE -Werror)
endif()

if(CORVANE_SANITIZE STREQUAL "address")
    set(_corvane_san -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
    # With the sanitizers' instrumentation GCC sees Boost's optional inside
    # Beast's parser as maybe uninitialised; the plain build keeps the warning.
    target_compile_options(corvane_options INTERFACE -Wno-maybe-uninitialized)
elseif(CORVANE_SANITIZE STREQUAL "thread")
    set(_corvane_san -fsanitize=thread -fno-omit-frame-pointer)
    # GCC warns about the fences inside Asio, which ThreadSanitizer does not model.
    target_compile_options(corvane_options INTERFACE -Wno-tsan)
elseif(NOT CORVANE_SANITIZE STREQUAL "")
    message(FATAL_ERROR "CORVANE_SANITIZE must be empty, address or thread")
endif()
if(_corvane_san)
    target_compile_options(corvane_options INTERFACE ${_corvane_san})
    target_link_options(corvane_options INTERFACE ${_corvane_san})
endif()
