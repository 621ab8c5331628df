# Fails when marlowe_core links Qt or a source or header of its folders includes a Qt header.
include(${CMAKE_CURRENT_LIST_DIR}/core_files.cmake)
read_core_files(${TARGET_FILE})

foreach(link IN LISTS CORE_LINKS)
  if(link MATCHES "Qt")
    message(FATAL_ERROR "marlowe_core links ${link}")
  endif()
endforeach()

# Every file of the core's folders, so that a Qt file cannot settle among them either.
set(checked 0)
foreach(path IN LISTS CORE_FILES)
  file(STRINGS "${path}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"](Q[A-Za-z]*|Qt[A-Za-z]*/)")
  if(includes)
    message(FATAL_ERROR "${path} includes Qt: ${includes}")
  endif()
  math(EXPR checked "${checked} + 1")
endforeach()
message(STATUS "marlowe_core (${CORE_FOLDERS}): ${checked} files checked, no Qt")

# Every header the compiler actually read for the library's objects, as Ninja recorded it.
if(NINJA AND BUILD_DIR)
  execute_process(COMMAND ${NINJA} -C ${BUILD_DIR} -t deps OUTPUT_VARIABLE deps RESULT_VARIABLE failed)
  if(NOT failed)
    string(REGEX MATCHALL "marlowe_core\\.dir/[^:]*: #deps[^\n]*\n([ \t]+[^\n]*\n)*" core_deps "${deps}")
    string(REGEX MATCH "[^\n]*(qt5|qt6|/Qt[A-Za-z]*/)[^\n]*" qt_dep "${core_deps}")
    if(qt_dep)
      message(FATAL_ERROR "marlowe_core includes Qt through: ${qt_dep}")
    endif()
  endif()
endif()
