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

# The locales the tests use, compiled by localedef into the build tree, so a
# machine without a German locale installed runs the tests that need one.
# LOCPATH points the tests there; it hides the system's locales, so C.UTF-8
# is compiled too. Without localedef or its sources those tests skip.
set(FOTOMAZ_LOCALE_DIR ${PROJECT_BINARY_DIR}/locale)
set(FOTOMAZ_TEST_LOCALES de_DE C)

function(fotomaz_test_locales)
  find_program(FOTOMAZ_LOCALEDEF localedef)
  if(TARGET fotomaz_test_locales OR NOT FOTOMAZ_LOCALEDEF
     OR NOT EXISTS /usr/share/i18n/locales/de_DE)
    return()
  endif()
  set(outputs)
  # localedef makes the locale's own folder, not the one above it.
  set(commands COMMAND ${CMAKE_COMMAND} -E make_directory ${FOTOMAZ_LOCALE_DIR})
  foreach(locale IN LISTS FOTOMAZ_TEST_LOCALES)
    list(APPEND outputs ${FOTOMAZ_LOCALE_DIR}/${locale}.UTF-8/LC_CTYPE)
    list(APPEND commands COMMAND ${FOTOMAZ_LOCALEDEF} -i ${locale} -f UTF-8
         ${FOTOMAZ_LOCALE_DIR}/${locale}.UTF-8)
  endforeach()
  add_custom_command(OUTPUT ${outputs} ${commands} COMMENT "Compiling the tests' locales"
                     VERBATIM)
  add_custom_target(fotomaz_test_locales ALL DEPENDS ${outputs})
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
    FOTOMAZ_SAMPLES_DIR="${PROJECT_SOURCE_DIR}/tests/data/samples"
    FOTOMAZ_FORMAT_SAMPLES_DIR="${PROJECT_SOURCE_DIR}/tests/data/formats")
  # Runs record themselves in the user's state folder: the tests' records go
  # to the build tree, never to a real user's (tests that read records set
  # a folder of their own).
  set(environment TZ=Europe/Berlin LC_ALL=C.UTF-8 QT_QPA_PLATFORM=offscreen
      XDG_STATE_HOME=${PROJECT_BINARY_DIR}/test-state)
  fotomaz_test_locales()
  if(TARGET fotomaz_test_locales)
    add_dependencies(${name} fotomaz_test_locales)
    list(APPEND environment LOCPATH=${FOTOMAZ_LOCALE_DIR})
  endif()
  include(GoogleTest)
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 120)
  # gtest_discover_tests passes PROPERTIES through a script that splits every
  # list, so ENVIRONMENT would keep only its first entry. This file, read by
  # CTest after the discovered tests, sets the whole list on them, and the
  # program's name as their label (ctest -L picks one program's tests).
  set(environment_file ${CMAKE_CURRENT_BINARY_DIR}/${name}_environment.cmake)
  file(WRITE ${environment_file}
       "if(${name}_TESTS)\n"
       "  set_tests_properties(\${${name}_TESTS} PROPERTIES ENVIRONMENT \"${environment}\" LABELS ${name})\n"
       "endif()\n")
  set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${environment_file})
endfunction()
