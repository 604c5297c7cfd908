# AddressSanitizer and UndefinedBehaviorSanitizer for native test builds.
function(tilora_sanitize target)
  if(TILORA_SANITIZE AND NOT WIN32 AND NOT MSVC)
    target_compile_options(${target} PRIVATE -fsanitize=address,undefined -fno-omit-frame-pointer
                                             -fno-sanitize-recover=all)
    target_link_options(${target} PRIVATE -fsanitize=address,undefined)
  endif()
endfunction()
