if(settings_tests_TESTS)
  set_tests_properties(${settings_tests_TESTS} PROPERTIES ENVIRONMENT "TZ=Europe/Berlin;LC_ALL=C.UTF-8;QT_QPA_PLATFORM=offscreen;XDG_STATE_HOME=/work/main/test-state;LOCPATH=/work/main/locale")
endif()
