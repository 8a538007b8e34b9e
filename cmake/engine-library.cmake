# providers_add_engine_library(NAME
#     GIR_NAMESPACE namespace DESCRIPTION text
#     [DEPS imported targets...] [PKG_REQUIRES_PRIVATE pkg-config modules...])
#
# Makes libproviders-NAME.so, the provider of one engine in a library of its
# own, from the engine's folder and the common home:
#   src/supports/NAME/**.cpp          the engine's code
#   src/supports/common/*.cpp         the home, as libproviders holds it
#   src/supports/common/engine/*.cpp  what only engine libraries hold
#   include/libproviders/NAME.h       its umbrella header, over
#   include/libproviders/NAME/*.h     its public headers
#   abi/NAME/libproviders-NAME.map    its version script
#   abi/NAME/symbols/*.txt            the manifest of its exported symbols
# It links libproviders, exports only what its version script lets out,
# and is installed with a pkg-config file of its own. The bindings make its
# GIR, typelib and vapi, and tests/abi holds it to its manifest, from the
# list this function keeps in the global property PROVIDERS_ENGINES.
function(providers_add_engine_library name)
  cmake_parse_arguments(ARG "" "GIR_NAMESPACE;DESCRIPTION" "DEPS;PKG_REQUIRES_PRIVATE" ${ARGN})
  set(target providers-${name})
  set(map ${PROJECT_SOURCE_DIR}/abi/${name}/libproviders-${name}.map)
  file(GLOB_RECURSE engine_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/supports/${name}/*.cpp)
  file(GLOB engine_only_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/supports/common/engine/*.cpp)

  add_library(${target} SHARED ${engine_sources} ${engine_only_sources} ${PROVIDERS_HOME_OBJECTS})
  set_target_properties(${target} PROPERTIES
    OUTPUT_NAME providers-${name}
    VERSION ${PROJECT_VERSION}
    SOVERSION ${PROJECT_VERSION_MAJOR}
    CXX_VISIBILITY_PRESET hidden
    C_VISIBILITY_PRESET hidden
    VISIBILITY_INLINES_HIDDEN ON
    LINK_DEPENDS ${map})
  target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR}/src)
  target_compile_definitions(${target} PRIVATE ${PROVIDERS_COMPILE_DEFINITIONS})
  target_link_libraries(${target} PUBLIC providers PkgConfig::PROVIDERS_BASE_DEPS PRIVATE ${ARG_DEPS})
  target_link_options(${target} PRIVATE -Wl,--version-script=${map} -Wl,--no-undefined)

  install(TARGETS ${target} LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR})
  install(DIRECTORY ${PROJECT_SOURCE_DIR}/include/libproviders/${name}
    DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/libproviders)
  install(FILES ${PROJECT_SOURCE_DIR}/include/libproviders/${name}.h
    DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/libproviders)
  # Written at install time, for the prefix given then, as libproviders.pc is.
  string(REPLACE ";" " " requires_private "${ARG_PKG_REQUIRES_PRIVATE}")
  install(CODE "
    set(PROJECT_VERSION ${PROJECT_VERSION})
    set(CMAKE_INSTALL_LIBDIR ${CMAKE_INSTALL_LIBDIR})
    set(CMAKE_INSTALL_INCLUDEDIR ${CMAKE_INSTALL_INCLUDEDIR})
    set(ENGINE_NAME ${name})
    set(ENGINE_DESCRIPTION \"${ARG_DESCRIPTION}\")
    set(ENGINE_REQUIRES_PRIVATE \"${requires_private}\")
    configure_file(${PROJECT_SOURCE_DIR}/libproviders-engine.pc.in
      \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_LIBDIR}/pkgconfig/libproviders-${name}.pc\" @ONLY)
    message(STATUS \"Installing: \$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_LIBDIR}/pkgconfig/libproviders-${name}.pc\")")

  set_property(GLOBAL APPEND PROPERTY PROVIDERS_ENGINES ${name})
  set_property(GLOBAL PROPERTY PROVIDERS_ENGINE_${name}_GIR_NAMESPACE ${ARG_GIR_NAMESPACE})
endfunction()
