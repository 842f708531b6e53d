# A layer is one folder and one library named after it: korvel_ and the folder with its slashes
# as underscores (present/window gives korvel_present_window). korvel_layer() adds the library
# from the folder's own .cpp files (a configure-time glob, so a new file joins on its own),
# links the layers it uses, and notes it for the include check. A folder's CMakeLists.txt, when
# it has one, adds only what is particular to it (Qt, a library from Debian, an executable).
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
  set(uses)
  foreach(used IN LISTS LAYER_USES)
    string(REPLACE "/" "_" used_name ${used})
    target_link_libraries(${target} PUBLIC korvel_${used_name})
    list(APPEND uses ${used_name})
  endforeach()
  set_property(GLOBAL APPEND PROPERTY KORVEL_LAYERS ${name})
  set_property(GLOBAL PROPERTY KORVEL_LAYER_FOLDER_${name} ${folder})
  set_property(GLOBAL PROPERTY KORVEL_LAYER_USES_${name} ${uses})
  if(EXISTS ${CMAKE_SOURCE_DIR}/${folder}/CMakeLists.txt)
    add_subdirectory(${CMAKE_SOURCE_DIR}/${folder} ${CMAKE_BINARY_DIR}/${folder})
  endif()
endfunction()

# Writes the layers declared so far into FILE for cmake/check_layers.cmake: LAYERS, and for each
# layer NAME_FOLDERS and NAME_USES, the layers it builds on directly.
function(korvel_write_layers file)
  get_property(layers GLOBAL PROPERTY KORVEL_LAYERS)
  set(text "set(LAYERS ${layers})\n")
  foreach(layer IN LISTS layers)
    get_property(folder GLOBAL PROPERTY KORVEL_LAYER_FOLDER_${layer})
    get_property(uses GLOBAL PROPERTY KORVEL_LAYER_USES_${layer})
    string(APPEND text "set(${layer}_FOLDERS ${folder})\nset(${layer}_USES ${uses})\n")
  endforeach()
  file(CONFIGURE OUTPUT ${file} CONTENT "${text}" @ONLY)
endfunction()
