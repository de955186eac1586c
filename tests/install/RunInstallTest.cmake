# Installs the build into a scratch prefix, then builds and runs programs against it, each
# once through find_package and once through pkg-config: the consumer (which checks a pixel
# and the installed themes) and, when EXAMPLES_DIR is given, each example host in it (a folder
# whose program has the folder's name), whose headless picture must match its golden image.
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE ${WORK_DIR})

function(run what)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc)
  if(rc)
    message(FATAL_ERROR "${what} failed (${rc})")
  endif()
endfunction()

run("installing" ${CMAKE_COMMAND} --install ${BINARY_DIR} --prefix ${WORK_DIR}/prefix)
file(GLOB pcdir ${WORK_DIR}/prefix/lib*/pkgconfig ${WORK_DIR}/prefix/lib/*/pkgconfig)
set(ENV{PKG_CONFIG_PATH} "${pcdir}")

# Builds a project's sources with CMake and with the flags pkg-config gives for `modules`;
# the programs are ${WORK_DIR}/<name>-cmake and <name>-pc. Neither needs LD_LIBRARY_PATH: the
# CMake build and the pkg-config flags both give a run path.
function(build_both name source_dir program modules)
  run("configuring ${name}" ${CMAKE_COMMAND} -S ${source_dir} -B ${WORK_DIR}/${name}
    -G Ninja -DCMAKE_PREFIX_PATH=${WORK_DIR}/prefix)
  run("building ${name} with CMake" ${CMAKE_COMMAND} --build ${WORK_DIR}/${name})
  file(COPY_FILE ${WORK_DIR}/${name}/${program} ${WORK_DIR}/${name}-cmake)

  execute_process(COMMAND pkg-config --cflags --libs ${modules} OUTPUT_VARIABLE flags
    OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE rc)
  if(rc)
    message(FATAL_ERROR "pkg-config does not know ${modules}")
  endif()
  separate_arguments(flags UNIX_COMMAND "${flags}")
  file(GLOB sources ${source_dir}/*.cpp)
  run("building ${name} with pkg-config" c++ ${sources} ${flags} -o ${WORK_DIR}/${name}-pc)
endfunction()

build_both(consumer ${SOURCE_DIR} consumer trellis)
run("the find_package consumer" ${WORK_DIR}/consumer-cmake)
run("the pkg-config consumer" ${WORK_DIR}/consumer-pc)

if(EXAMPLES_DIR)
  file(GLOB examples LIST_DIRECTORIES true ${EXAMPLES_DIR}/*)
  foreach(dir IN LISTS examples)
    if(NOT IS_DIRECTORY ${dir})
      continue()
    endif()
    cmake_path(GET dir FILENAME name)
    build_both(${name} ${dir} ${name} trellis-window)
    foreach(kind IN ITEMS cmake pc)
      run("${name} built with ${kind}" ${WORK_DIR}/${name}-${kind}
        --png ${WORK_DIR}/${name}-${kind}.png)
      run("comparing the picture of ${name} built with ${kind}" ${COMPARE_GOLDEN}
        ${WORK_DIR}/${name}-${kind}.png examples/${name})
    endforeach()
  endforeach()
endif()
