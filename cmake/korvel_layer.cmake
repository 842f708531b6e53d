# A layer is one folder and one library named after it: korvel_ and the folder with its slashes
# as underscores (present/window gives korvel_present_window). korvel_layer() adds the library
# from the folder's own .cpp files (a configure-time glob, so a new file joins on its own) and
# links the layers it uses; cmake/check_layers.cmake reads the same lines for the include check.
# A folder's CMakeLists.txt, when it has one, adds only what is particular to it (Qt, a library
# from Debian, an executable).
#
#   korvel_layer(FOLDER [EXECUTABLE NAME] [USES FOLDER...])
#
# With EXECUTABLE the folder's sources make the program NAME instead of a library.

function(korvel_layer folder)
  cmake_parse_arguments(PARSE_ARGV 1 LAYER "" "EXECUTABLE" "USES")
  string(REPLACE "/" "_" name ${folder})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${folder}/*.cpp)
  if(LAYER_EXECUTABLE)
    set(target ${LAYER_EXECUTABLE})
    add_executable(${target} ${sources})
    set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/${folder})
  else()
    set(target korvel_${name})
    # A main.cpp beside a library is the folder's program, which its CMakeLists.txt adds.
    list(FILTER sources EXCLUDE REGEX "/main\\.cpp$")
    add_library(${target} STATIC ${sources})
    target_include_directories(${target} PUBLIC ${CMAKE_SOURCE_DIR})
  endif()
  foreach(used IN LISTS LAYER_USES)
    string(REPLACE "/" "_" used_name ${used})
    target_link_libraries(${target} PUBLIC korvel_${used_name})
  endforeach()
  if(EXISTS ${CMAKE_SOURCE_DIR}/${folder}/CMakeLists.txt)
    add_subdirectory(${CMAKE_SOURCE_DIR}/${folder} ${CMAKE_BINARY_DIR}/${folder})
  endif()
endfunction()
