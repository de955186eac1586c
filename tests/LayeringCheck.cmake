# Layers only point down: platform <- host <- library <- apps, tests, bench. Fails with the
# offending lines when a file includes a layer above its own.
set(library foundation edit tree droplist scroll choice datepicker button resources)
list(JOIN library "|" libraryAlternatives)
set(violations "")

function(check folder pattern)
  file(GLOB_RECURSE files ${ROOT}/${folder}/*.h ${ROOT}/${folder}/*.cpp)
  foreach(file IN LISTS files)
    file(STRINGS ${file} lines REGEX "^#include \"(${pattern})/")
    foreach(line IN LISTS lines)
      file(RELATIVE_PATH rel ${ROOT} ${file})
      list(APPEND violations "${rel}: ${line}")
    endforeach()
  endforeach()
  set(violations "${violations}" PARENT_SCOPE)
endfunction()

check(platform "host|apps|tests|bench|${libraryAlternatives}")
check(host "apps|tests|bench|${libraryAlternatives}")
foreach(folder IN LISTS library)
  check(${folder} "apps|tests|bench|platform/backend")
endforeach()

if(violations)
  list(JOIN violations "\n  " text)
  message(FATAL_ERROR "includes that point up a layer:\n  ${text}")
endif()
