# korvex_warnings(<target>): the project's warning set, applied per target.
function(korvex_warnings target)
  if(MSVC)
    target_compile_options(${target} PRIVATE /W4 /permissive-)
  else()
    target_compile_options(${target} PRIVATE
      -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion
      -Wnon-virtual-dtor -Wold-style-cast -Wcast-align -Woverloaded-virtual
      -Wdouble-promotion -Wformat=2 -Wimplicit-fallthrough)
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
      # GCC 12 reports std::string concatenations in optimised builds.
      target_compile_options(${target} PRIVATE -Wno-restrict)
    endif()
  endif()
endfunction()
