# Fails when a file includes a header of a layer it does not build on. Run at every build as
#   cmake -DROOT=<source tree> -DLAYERS=<build>/layers.cmake -P cmake/check_layers.cmake
# The layers and the ones each uses directly are those declared with korvel_layer() in the top
# CMakeLists.txt; a file may include from its own layer and from every layer reached through
# USES, directly or not.

cmake_minimum_required(VERSION 3.25)

include(${LAYERS})

# Every layer that `layer` builds on, directly or through another.
function(reachable layer result)
  set(found)
  set(pending ${${layer}_USES})
  while(pending)
    list(POP_FRONT pending next)
    if(next IN_LIST found)
      continue()
    endif()
    list(APPEND found ${next})
    list(APPEND pending ${${next}_USES})
  endwhile()
  set(${result} ${found} PARENT_SCOPE)
endfunction()

foreach(layer IN LISTS LAYERS)
  reachable(${layer} ${layer}_REACHES)
endforeach()

# The layer of a path relative to ROOT: the one with the longest folder that holds it.
function(layer_of path result)
  set(best "")
  set(best_length 0)
  foreach(layer IN LISTS LAYERS)
    string(LENGTH "${${layer}_FOLDERS}/" length)
    string(SUBSTRING "${path}" 0 ${length} head)
    if(head STREQUAL "${${layer}_FOLDERS}/" AND length GREATER best_length)
      set(best ${layer})
      set(best_length ${length})
    endif()
  endforeach()
  set(${result} "${best}" PARENT_SCOPE)
endfunction()

set(patterns)
foreach(layer IN LISTS LAYERS)
  list(APPEND patterns ${ROOT}/${${layer}_FOLDERS}/*.h ${ROOT}/${${layer}_FOLDERS}/*.cpp)
endforeach()
file(GLOB_RECURSE sources RELATIVE ${ROOT} ${patterns})
list(REMOVE_DUPLICATES sources)

set(violations 0)
foreach(source IN LISTS sources)
  layer_of(${source} own)
  file(STRINGS ${ROOT}/${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
  foreach(line IN LISTS includes)
    string(REGEX REPLACE "^[^\"]*\"([^\"]*)\".*$" "\\1" header "${line}")
    layer_of(${header} used)
    if(used STREQUAL "" OR used STREQUAL own OR used IN_LIST ${own}_REACHES)
      continue()
    endif()
    message("${source}: the ${own} layer includes ${header} of the ${used} layer, which it does not build on")
    math(EXPR violations "${violations} + 1")
  endforeach()
endforeach()
if(violations GREATER 0)
  message(FATAL_ERROR "${violations} include(s) run upward; see the layers in CMakeLists.txt")
endif()
