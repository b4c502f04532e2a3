# The programs are built hardened as Debian builds its own (stack protector,
# fortified library calls, read-only relocations resolved at start-up).
# Not with the sanitizers or libFuzzer, which bring their own checks, nor
# for WebAssembly, which has no such stack or relocations.
if(NOT ZENKO_SANITIZE AND NOT ZENKO_FUZZ AND NOT EMSCRIPTEN)
  add_compile_options(-fstack-protector-strong)
  # Fortified calls need optimisation: not in a Debug build.
  add_compile_definitions($<$<NOT:$<CONFIG:Debug>>:_FORTIFY_SOURCE=2>)
  add_link_options(-Wl,-z,relro -Wl,-z,now)
endif()
