# jd_library(NAME DIR DEPS...): a static library of every .cpp file in DIR.
# Files are globbed so that a new unit needs no edit here; CONFIGURE_DEPENDS
# makes the build notice added or removed files.
function(jd_library name dir)
  file(GLOB _srcs CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${dir}/*.cpp)
  if(NOT _srcs)
    set(_stub ${CMAKE_BINARY_DIR}/stubs/${name}_empty.cpp)
    if(NOT EXISTS ${_stub})
      file(WRITE ${_stub} "// ${name} has no units yet\n")
    endif()
    set(_srcs ${_stub})
  endif()
  add_library(${name} STATIC ${_srcs})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARGN})
endfunction()

# jd_test(NAME DIR DEPS...): one GoogleTest executable of every .cpp file in DIR.
function(jd_test name dir)
  file(GLOB _srcs CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${dir}/*.cpp)
  if(NOT _srcs)
    return()
  endif()
  add_executable(${name} ${_srcs})
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests ${CMAKE_SOURCE_DIR}/src)
  target_link_libraries(${name} PRIVATE ${ARGN} GTest::gtest GTest::gtest_main GTest::gmock)
  target_compile_definitions(${name} PRIVATE
    JD_SOURCE_DIR="${CMAKE_SOURCE_DIR}" JD_BINARY_DIR="${CMAKE_BINARY_DIR}")
  # A parameterised case is named by its generator's short name alone: a
  # printed value (raw bytes, addresses) would make names that differ from
  # build to build.
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 NO_PRETTY_VALUES
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
