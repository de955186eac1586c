# Runs the gallery as a user would from a shell, in a fresh folder, and checks its exit code,
# what it printed and the picture it was to write.
#   GALLERY, WORK_DIR, ARGS (;-list), CODE, STDOUT and STDERR (regular expressions matched
#   against the whole output with each line end written <NL>; empty: nothing printed), FILE
#   (relative to WORK_DIR), and
#   DISPLAY_NAME / VIDEO_DRIVER for the environment (unset when not given).
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
file(WRITE ${WORK_DIR}/blocker "a file where a folder is asked for\n")
unset(ENV{DISPLAY})
unset(ENV{WAYLAND_DISPLAY})
unset(ENV{SDL_VIDEODRIVER})
if(DISPLAY_NAME)
  set(ENV{DISPLAY} ${DISPLAY_NAME})
endif()
if(VIDEO_DRIVER)
  set(ENV{SDL_VIDEODRIVER} ${VIDEO_DRIVER})
endif()

execute_process(COMMAND ${GALLERY} ${ARGS} WORKING_DIRECTORY ${WORK_DIR}
  RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 120)
message(STATUS "exit ${code}\nstdout: ${out}\nstderr: ${err}")
if(NOT code STREQUAL CODE)
  message(FATAL_ERROR "exit code ${code}, expected ${CODE}")
endif()
function(expect_output name text expected)
  string(REPLACE "\n" "<NL>" text "${text}")
  if(expected STREQUAL "" AND NOT text STREQUAL "")
    message(FATAL_ERROR "${name} should be empty")
  elseif(NOT text MATCHES "^${expected}$")
    message(FATAL_ERROR "${name} does not match ^${expected}$")
  endif()
endfunction()
expect_output(stdout "${out}" "${STDOUT}")
expect_output(stderr "${err}" "${STDERR}")
if(FILE AND NOT EXISTS ${WORK_DIR}/${FILE})
  message(FATAL_ERROR "${FILE} was not written in ${WORK_DIR}")
endif()
