# Every folder of the source tree is one library target whose sources are
# found by globbing, so adding a file never means editing a CMake list.

function(zw_sources target)
  foreach(dir IN LISTS ARGN)
    file(GLOB_RECURSE _src CONFIGURE_DEPENDS
      ${CMAKE_SOURCE_DIR}/${dir}/*.cpp ${CMAKE_SOURCE_DIR}/${dir}/*.h ${CMAKE_SOURCE_DIR}/${dir}/*.qrc)
    # Folders that are targets of their own are not part of their parent.
    list(FILTER _src EXCLUDE REGEX "/platform/symbolic/|/platform/saveoptions/")
    if(NOT dir MATCHES "^platform/(symbolic|saveoptions)")
      target_sources(${target} PRIVATE ${_src})
    else()
      file(GLOB_RECURSE _own CONFIGURE_DEPENDS
        ${CMAKE_SOURCE_DIR}/${dir}/*.cpp ${CMAKE_SOURCE_DIR}/${dir}/*.h)
      target_sources(${target} PRIVATE ${_own})
    endif()
  endforeach()
endfunction()

# zw_library(name dir... [deps...]): arguments that name targets (zw_* or
# Namespace::target) are dependencies, the rest are source folders (a folder
# that has no files yet, and so is not even in a fresh clone, is fine).
function(zw_library name)
  set(_dirs)
  set(_deps)
  foreach(a IN LISTS ARGN)
    if(a MATCHES "^zw_" OR a MATCHES "::")
      list(APPEND _deps ${a})
    else()
      list(APPEND _dirs ${a})
    endif()
  endforeach()
  # An empty folder still gives a linkable target.
  set(_stub ${CMAKE_BINARY_DIR}/stubs/${name}_stub.cpp)
  if(NOT EXISTS ${_stub})
    file(WRITE ${_stub} "// keeps an empty library linkable\n")
  endif()
  add_library(${name} STATIC ${_stub})
  zw_sources(${name} ${_dirs})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
  if(_deps)
    target_link_libraries(${name} PUBLIC ${_deps})
  endif()
endfunction()

# zw_test(name dir [deps...]): one test executable per subsystem.
function(zw_test name dir)
  file(GLOB_RECURSE _src CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${dir}/*.cpp ${CMAKE_SOURCE_DIR}/${dir}/*.h)
  if(NOT _src)
    return()  # a subsystem without tests yet
  endif()
  add_executable(${name})
  target_sources(${name} PRIVATE ${_src})
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR})
  # Tests find the shipped sample files and their fixtures through the source folder.
  target_compile_definitions(${name} PRIVATE ZW_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
  target_link_libraries(${name} PRIVATE ${ARGN} GTest::gtest GTest::gmock)
  add_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
  set(_env "QT_QPA_PLATFORM=offscreen")
  if(ZW_SANITIZE)
    # Leaks are checked too; scripts/lsan.supp lists (and explains) the
    # one-time allocations of Qt and the system libraries below it.
    list(APPEND _env
      "ASAN_OPTIONS=detect_leaks=1:check_initialization_order=1:strict_init_order=1"
      "LSAN_OPTIONS=suppressions=${CMAKE_SOURCE_DIR}/scripts/lsan.supp:print_suppressions=0"
      "UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1")
  endif()
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "${_env}"
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR})
endfunction()

# Precompiled headers. Qt's headers dominate the compile time of every file
# of the window layers, and GoogleTest's that of every test file. With debug
# information a precompiled header is 100-200 MB, and building one costs as
# much as several source files, so each is built once and shared: the window
# libraries reuse zw_charts_base's (Qt and the standard library), the Qt
# tests reuse test_shell's and the Qt-free tests test_kernel's (GoogleTest and
# the standard library). Headers of our own stay out: a change to one would
# rebuild everything. A header that does not fit a target (other flags) is
# ignored by the compiler with a warning (-Winvalid-pch), never wrong.
set(ZW_STD_PCH <algorithm> <functional> <memory> <string> <string_view> <utility> <vector>)
set(ZW_QT_PCH <QApplication> <QFont> <QLabel> <QLineEdit> <QPainter> <QPointer> <QString>
    <QStringList> <QTimer> <QWidget>)

# zw_qt_pch(target [owner]): the Qt header of owner, or target's own.
function(zw_qt_pch target)
  if(ARGC GREATER 1)
    target_precompile_headers(${target} REUSE_FROM ${ARGV1})
  else()
    target_precompile_headers(${target} PRIVATE ${ZW_STD_PCH} ${ZW_QT_PCH})
  endif()
endfunction()

# zw_test_pch(target [owner]): the GoogleTest header of owner, or target's own.
function(zw_test_pch target)
  if(NOT TARGET ${target})
    return()
  endif()
  if(ARGC GREATER 1 AND TARGET ${ARGV1})
    target_precompile_headers(${target} REUSE_FROM ${ARGV1})
  else()
    target_precompile_headers(${target} PRIVATE <gtest/gtest.h> ${ZW_STD_PCH})
  endif()
endfunction()
