# Warnings as errors for the project's own targets. Call showsaver_warnings(target) on each.
function(showsaver_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor
                                           -Wold-style-cast -Wcast-align -Woverloaded-virtual
                                           -Wimplicit-fallthrough)
  # The fuzz build uses clang, whose warnings differ; the gcc builds keep them as errors.
  if(NOT SHOWSAVER_FUZZ)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
