# One place for the compiler warnings of every target. The ci preset turns them into errors
# through CMAKE_COMPILE_WARNING_AS_ERROR.
function(quillon_set_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
endfunction()
