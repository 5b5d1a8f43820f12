# One library of the Qt-free core: a static library of SOURCES, or an interface library when the
# piece is headers only. LINKS are the core libraries below it; they are public, because the
# headers of each layer hand on the types of the layers below. The allowed-include table of
# scripts/check-layers.py lists the same links, and the layer check fails when the two differ.
function(quorvi_core_library name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LINKS" ${ARGN})
    if(ARG_SOURCES)
        add_library(${name} STATIC ${ARG_SOURCES})
        target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
        target_link_libraries(${name} PUBLIC ${ARG_LINKS})
        quorvi_warnings(${name})
    else()
        add_library(${name} INTERFACE)
        target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR})
        target_link_libraries(${name} INTERFACE ${ARG_LINKS})
    endif()
endfunction()
