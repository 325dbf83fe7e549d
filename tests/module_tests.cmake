# Tests of one module window's folder: every tst_*.cpp there is one test
# executable. Tests built on small tables of their own need nothing else;
# those named tst_*sample* read the sample installation, found through
# VELMIRA_SAMPLE_DIR, and are built after it; those named tst_*window* start
# the program in process and need its pictures in the installation.
function(velmira_module_tests prefix)
  file(GLOB module_tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/tst_*.cpp)
  file(GLOB module_support CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*_support.h)
  foreach(test_source IN LISTS module_tests)
    get_filename_component(test_name ${test_source} NAME_WE)
    add_executable(${test_name} ${test_source} ${module_support})
    target_link_libraries(${test_name} PRIVATE velmira_core Qt6::Test)
    if(test_name MATCHES "sample")
      target_compile_definitions(${test_name} PRIVATE VELMIRA_SAMPLE_DIR="${VELMIRA_INSTALL_TREE}")
      add_dependencies(${test_name} sample-installation)
    endif()
    if(test_name MATCHES "window")
      add_dependencies(${test_name} pictures velmira)
    endif()
    add_test(NAME ${prefix}_${test_name} COMMAND ${test_name})
    set_tests_properties(${prefix}_${test_name} PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen)
  endforeach()
endfunction()
