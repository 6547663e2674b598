# One settings target that every library, program, test and benchmark links:
# it carries the language standard and the warning set.
add_library(tarvo_settings INTERFACE)
target_compile_features(tarvo_settings INTERFACE cxx_std_20)
set(CMAKE_CXX_EXTENSIONS OFF)
if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
  target_compile_options(tarvo_settings INTERFACE -Wall -Wextra -Wpedantic)
  if(TARVO_WARNINGS_AS_ERRORS)
    target_compile_options(tarvo_settings INTERFACE -Werror)
  endif()
endif()
set(CMAKE_EXPORT_COMPILE_COMMANDS ON)
