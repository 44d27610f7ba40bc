# kelvaro_add_bundle(NAME <name> LIBS <targets...> [SOURCES <files...>] [RESOURCES <files...>])
# A plug-in module as the host loads it:
#   <name>.bundle/Contents/Linux/<name>.so    the shared library, three path levels below the bundle
#   <name>.bundle/Contents/Resources/<files>  its resources
# The library shows only its door: the entry pair, the routine table word and the dispatcher.
set(KELVARO_BUNDLE_EXPORTS_FILE ${CMAKE_BINARY_DIR}/KelvaroBundleExports.map)
file(WRITE ${KELVARO_BUNDLE_EXPORTS_FILE} [=[
{
  global:
    NewMachOPlugIn;
    CloseMachOPlugIn;
    _PI_GetRoutineDescriptor;
    Dispatcher;
  local: *;
};
]=])

function(kelvaro_add_bundle)
  cmake_parse_arguments(ARG "" "NAME" "LIBS;SOURCES;RESOURCES" ${ARGN})
  set(bundle_dir ${CMAKE_CURRENT_BINARY_DIR}/${ARG_NAME}.bundle)
  add_library(${ARG_NAME} MODULE ${ARG_SOURCES})
  kelvaro_warnings(${ARG_NAME})
  target_link_libraries(${ARG_NAME} PRIVATE ${ARG_LIBS})
  # The door's symbols are asked for by name, so that a library providing them is linked in.
  target_link_options(${ARG_NAME} PRIVATE
    -Wl,--version-script=${KELVARO_BUNDLE_EXPORTS_FILE} -Wl,--no-undefined-version
    -Wl,-u,NewMachOPlugIn -Wl,-u,CloseMachOPlugIn -Wl,-u,_PI_GetRoutineDescriptor -Wl,-u,Dispatcher)
  set_target_properties(${ARG_NAME} PROPERTIES
    PREFIX ""
    OUTPUT_NAME ${ARG_NAME}
    SUFFIX ".so"
    LIBRARY_OUTPUT_DIRECTORY ${bundle_dir}/Contents/Linux
    CXX_VISIBILITY_PRESET hidden
    C_VISIBILITY_PRESET hidden
    VISIBILITY_INLINES_HIDDEN ON
    LINK_DEPENDS ${KELVARO_BUNDLE_EXPORTS_FILE}
    KELVARO_BUNDLE_DIR ${bundle_dir})
  if(ARG_RESOURCES)
    set(copied "")
    foreach(resource IN LISTS ARG_RESOURCES)
      get_filename_component(resource_name ${resource} NAME)
      set(target_file ${bundle_dir}/Contents/Resources/${resource_name})
      add_custom_command(OUTPUT ${target_file}
        COMMAND ${CMAKE_COMMAND} -E copy_if_different ${resource} ${target_file}
        DEPENDS ${resource} VERBATIM)
      list(APPEND copied ${target_file})
    endforeach()
    add_custom_target(${ARG_NAME}_resources DEPENDS ${copied})
    add_dependencies(${ARG_NAME} ${ARG_NAME}_resources)
  endif()
endfunction()
