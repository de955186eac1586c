# Installs the build into a scratch prefix, then builds and runs a consumer against it,
# once through find_package and once through pkg-config.
file(REMOVE_RECURSE ${WORK_DIR})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BINARY_DIR} --prefix ${WORK_DIR}/prefix
  RESULT_VARIABLE rc OUTPUT_QUIET)
if(rc)
  message(FATAL_ERROR "install failed")
endif()

execute_process(COMMAND ${CMAKE_COMMAND} -S ${SOURCE_DIR} -B ${WORK_DIR}/build -G Ninja
  -DCMAKE_PREFIX_PATH=${WORK_DIR}/prefix RESULT_VARIABLE rc)
if(rc)
  message(FATAL_ERROR "configuring the consumer failed")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} --build ${WORK_DIR}/build RESULT_VARIABLE rc)
if(rc)
  message(FATAL_ERROR "building the consumer failed")
endif()
execute_process(COMMAND ${WORK_DIR}/build/consumer RESULT_VARIABLE rc)
if(rc)
  message(FATAL_ERROR "the find_package consumer failed")
endif()

# The same program built with the flags pkg-config gives.
file(GLOB pcdir ${WORK_DIR}/prefix/lib*/pkgconfig ${WORK_DIR}/prefix/lib/*/pkgconfig)
set(ENV{PKG_CONFIG_PATH} "${pcdir}")
execute_process(COMMAND pkg-config --cflags --libs trellis OUTPUT_VARIABLE flags
  OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE rc)
if(rc)
  message(FATAL_ERROR "pkg-config does not know trellis")
endif()
separate_arguments(flags UNIX_COMMAND "${flags}")
execute_process(COMMAND c++ ${SOURCE_DIR}/main.cpp ${flags} -o ${WORK_DIR}/pc-consumer
  RESULT_VARIABLE rc)
if(rc)
  message(FATAL_ERROR "building with pkg-config flags failed")
endif()
string(REGEX MATCH "-L[^ ;]+" libdir "${flags}")
string(SUBSTRING "${libdir}" 2 -1 libdir)
set(ENV{LD_LIBRARY_PATH} "${libdir}")
execute_process(COMMAND ${WORK_DIR}/pc-consumer RESULT_VARIABLE rc)
if(rc)
  message(FATAL_ERROR "the pkg-config consumer failed")
endif()
