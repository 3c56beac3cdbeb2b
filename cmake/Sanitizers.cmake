# TARVELLE_SANITIZE selects a sanitizer build of everything:
#   address   AddressSanitizer + UndefinedBehaviorSanitizer (the CI suite)
#   thread    ThreadSanitizer (the process runner and the coordinator)
set(TARVELLE_SANITIZE "" CACHE STRING "Sanitizer build: address or thread (empty: none)")
set_property(CACHE TARVELLE_SANITIZE PROPERTY STRINGS "" address thread)

if(TARVELLE_SANITIZE STREQUAL "address")
  set(sanitizer_flags -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
elseif(TARVELLE_SANITIZE STREQUAL "thread")
  set(sanitizer_flags -fsanitize=thread -fno-omit-frame-pointer)
elseif(NOT TARVELLE_SANITIZE STREQUAL "")
  message(FATAL_ERROR "TARVELLE_SANITIZE must be address, thread or empty, not '${TARVELLE_SANITIZE}'")
endif()

if(sanitizer_flags)
  # -O1 whatever the build type: a sanitizer build exists to run the suite,
  # which is far slower unoptimised, and -O1 still keeps its reports exact.
  add_compile_options(${sanitizer_flags} -O1)
  add_link_options(${sanitizer_flags})
endif()
