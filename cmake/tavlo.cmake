# Each folder under src/core and src/ui is one static library named after it
# (tavlo_core_model, tavlo_ui_cards, ...), so a folder builds and tests on its
# own while the others are being worked on. tavlo_core and tavlo_ui gather them.
function(tavlo_folder_library prefix folder)
  cmake_parse_arguments(ARG "" "" "DEPENDS" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS
       ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/*.cpp
       ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/*.h
       ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/*.qrc)
  set(target ${prefix}_${folder})
  add_library(${target} STATIC ${sources})
  target_include_directories(${target} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(${target} PUBLIC ${ARG_DEPENDS})
endfunction()

# One test executable per test file, linked with the library of the folder it
# mirrors: tests/core/engine/play_state_test.cpp tests tavlo_core_engine. A
# test folder that mirrors no source folder (whole flows across folders) is
# linked with the whole layer. Its tests carry the folder's LABELS, or those
# set in TAVLO_LABELS_<target> for a file that differs from its folder.
function(tavlo_folder_tests layer folder)
  cmake_parse_arguments(ARG "" "BASE" "DEPENDS;PROPERTIES;LABELS" ${ARGN})
  set(library tavlo_${layer}_${folder})
  if(NOT TARGET ${library})
    set(library tavlo_${layer})
  endif()
  file(GLOB tests CONFIGURE_DEPENDS ${ARG_BASE}/${folder}/*_test.cpp)
  foreach(test ${tests})
    get_filename_component(name ${test} NAME_WE)
    set(target ${layer}_${folder}_${name})
    add_executable(${target} ${test})
    set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
    target_link_libraries(${target} PRIVATE ${library} ${ARG_DEPENDS} GTest::gtest_main)
    target_compile_definitions(${target} PRIVATE TAVLO_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
    target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR}/tests/support)
    gtest_discover_tests(${target} DISCOVERY_TIMEOUT 60 NO_PRETTY_VALUES PROPERTIES ${ARG_PROPERTIES})
    set(labels ${ARG_LABELS})
    if(DEFINED TAVLO_LABELS_${target})
      set(labels ${TAVLO_LABELS_${target}})
    endif()
    if(NOT labels)
      message(FATAL_ERROR "${target} has no test label")
    endif()
    # The labels go on the tests once ctest has read the ones the build
    # found: the discovery splits a list given in its PROPERTIES, and a
    # label changed here needs no test built again.
    set(label_file ${CMAKE_CURRENT_BINARY_DIR}/${target}_labels.cmake)
    file(WRITE ${label_file}
         "if(DEFINED ${target}_TESTS)\n"
         "  set_tests_properties(\${${target}_TESTS} PROPERTIES LABELS \"${labels}\")\n"
         "endif()\n")
    set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${label_file})
  endforeach()
endfunction()

# A layer is a list of "folder:dep,dep" entries in build order. Each folder
# that holds sources becomes a library linked with the libraries of its
# dependencies and with extra (Qt for the ui); ${prefix} gathers them all.
function(tavlo_layer prefix)
  cmake_parse_arguments(ARG "" "" "FOLDERS;EXTRA" ${ARGN})
  set(libraries)
  foreach(entry ${ARG_FOLDERS})
    string(REPLACE ":" ";" parts "${entry}")
    list(GET parts 0 folder)
    file(GLOB_RECURSE present CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/*.cpp)
    if(NOT present)
      continue()
    endif()
    set(depends ${ARG_EXTRA})
    list(LENGTH parts n)
    if(n GREATER 1)
      list(GET parts 1 deps)
      string(REPLACE "," ";" deps "${deps}")
      foreach(dep ${deps})
        if(TARGET ${prefix}_${dep})
          list(APPEND depends ${prefix}_${dep})
        endif()
      endforeach()
    endif()
    tavlo_folder_library(${prefix} ${folder} DEPENDS ${depends})
    list(APPEND libraries ${prefix}_${folder})
  endforeach()
  add_library(${prefix} INTERFACE)
  target_link_libraries(${prefix} INTERFACE ${libraries})
endfunction()
