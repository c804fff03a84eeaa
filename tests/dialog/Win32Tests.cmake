# The dialog scenarios on the Win32 backend, run under Wine: real Windows dialogs made from the
# resources linked into each test program, driven by the Win32 scripted user.
add_library(dialog_test_support STATIC ExpectedTexts.cpp TestMainWin32.cpp UserWin32.cpp)
target_include_directories(dialog_test_support PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(dialog_test_support PUBLIC fw_win32 GTest::gtest)

# The program's dialogs and start-up against the simulated interface unit and decoder, which is
# Ftd2xx.dll in the test program's folder.
add_executable(dialog_tests MainDialogScenarios.cpp)
target_link_libraries(dialog_tests PRIVATE tolvane_app_shell tolvane_app dialog_test_support
                                           ftd2xx_sim)

# Start-up without the driver library: a folder of its own with no Ftd2xx.dll in it.
add_executable(dialog_nolib_tests NoDriverTest.cpp)
target_link_libraries(dialog_nolib_tests PRIVATE tolvane_app_shell tolvane_app dialog_test_support)
set_target_properties(dialog_nolib_tests PROPERTIES
  RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/nolib)
add_dependencies(dialog_tests wine_locales)

# Windows' windows need a display under Wine: each test program runs on a virtual X server of its
# own, one at a time.
find_program(TOLVANE_XVFB_RUN xvfb-run REQUIRED)
foreach(target dialog_tests dialog_nolib_tests)
  set_target_properties(${target} PROPERTIES CROSSCOMPILING_EMULATOR
    "${TOLVANE_XVFB_RUN};-a;${PROJECT_SOURCE_DIR}/tools/wine-run.sh;${CMAKE_BINARY_DIR}/wineprefix")
endforeach()

# Every program runs once per interface language, which Wine takes from the locale environment.
foreach(lang IN LISTS tolvane_dialog_languages)
  string(REPLACE ":" ";" parts ${lang})
  list(GET parts 0 code)
  list(GET parts 1 locale)
  set(env LANGUAGE=${code} LANG=${locale}.UTF-8 LC_ALL=${locale}.UTF-8
          LOCPATH=${TOLVANE_WINE_LOCPATH})
  tolvane_dialog_test(dialog.${code} dialog_tests ${env})
  tolvane_dialog_test(dialog.${code}.no_library dialog_nolib_tests ${env})
  set_tests_properties(dialog.${code} dialog.${code}.no_library PROPERTIES RUN_SERIAL TRUE)
endforeach()
