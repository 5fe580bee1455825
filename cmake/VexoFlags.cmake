# Compiler flags shared by every target of both builds.
#
# The colour rules truncate IEEE double sums: a fused multiply-add would
# change the last bit of a sum and with it a pixel, so contraction is off
# and -ffast-math is never used.
set(VEXO_COMMON_FLAGS -Wall -Wextra -ffp-contract=off -fno-fast-math)
if(VEXO_WARNINGS_AS_ERRORS)
  list(APPEND VEXO_COMMON_FLAGS -Werror)
endif()
add_compile_options(${VEXO_COMMON_FLAGS})

if(WIN32)
  # Static runtime: the executables import only Windows system DLLs.
  add_link_options(-static -static-libgcc -static-libstdc++)
  add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0A00 WINVER=0x0A00)
endif()

# Sanitizer flags for the native test targets (applied per target, so the
# benchmarks and the composer stay uninstrumented).
set(VEXO_SANITIZER_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=all
    -fno-omit-frame-pointer)

function(vexo_sanitize target)
  if(VEXO_SANITIZE AND NOT WIN32)
    target_compile_options(${target} PRIVATE ${VEXO_SANITIZER_FLAGS})
    target_link_options(${target} PRIVATE ${VEXO_SANITIZER_FLAGS})
  endif()
endfunction()
