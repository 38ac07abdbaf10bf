# fotomaz_library(NAME DIR [DEPS ...]): a static library of every .cpp in DIR
# (not recursing), with the repository root as include root.
function(fotomaz_library name dir)
  file(GLOB sources CONFIGURE_DEPENDS "${dir}/*.cpp")
  if(NOT sources)
    # A layer that holds only headers so far.
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} INTERFACE ${ARGN})
    return()
  endif()
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARGN})
endfunction()

# fotomaz_test(NAME DIR [DEPS ...]): a GoogleTest program of every .cpp in DIR,
# each test registered with CTest. The environment pins time zone and locale;
# tests that depend on them also set them themselves.
function(fotomaz_test name dir)
  file(GLOB sources CONFIGURE_DEPENDS "${dir}/*.cpp")
  if(NOT sources)
    return()
  endif()
  find_package(GTest REQUIRED)
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE ${ARGN} GTest::gmock GTest::gtest_main)
  target_compile_definitions(${name} PRIVATE
    FOTOMAZ_SAMPLES_DIR="${PROJECT_SOURCE_DIR}/../shared/samples"
    FOTOMAZ_FORMAT_SAMPLES_DIR="${PROJECT_SOURCE_DIR}/tests/data/formats")
  include(GoogleTest)
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 120
    PROPERTIES ENVIRONMENT "TZ=Europe/Berlin;LC_ALL=C.UTF-8;QT_QPA_PLATFORM=offscreen")
endfunction()
