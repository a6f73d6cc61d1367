# Windows resources of the app: the icon, drawn at build time by scripts/make_icon.py,
# plus the version record and manifest compiled from lunadesk.rc.
#
# Include from the directory that defines the executable, then call
# lunadesk_add_resources(<target>). Elsewhere than Windows that call does nothing.

find_package(Python3 REQUIRED COMPONENTS Interpreter)

# Captured now: inside the function CMAKE_CURRENT_LIST_DIR is the caller's directory.
set(LUNADESK_RESOURCE_DIR ${CMAKE_CURRENT_LIST_DIR})
get_filename_component(LUNADESK_ICON_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/../scripts/make_icon.py
                       ABSOLUTE)
set(LUNADESK_ICON_DIR ${CMAKE_CURRENT_BINARY_DIR})
set(LUNADESK_ICON ${LUNADESK_ICON_DIR}/lunadesk.ico)
set(LUNADESK_RESOURCES ${CMAKE_CURRENT_LIST_DIR}/lunadesk.rc)
# The version record takes the project version from a header written beside the icon.
set(LUNADESK_VERSION_HEADER ${LUNADESK_ICON_DIR}/version.h)
configure_file(${CMAKE_CURRENT_LIST_DIR}/version.h.in ${LUNADESK_VERSION_HEADER} @ONLY)

if(WIN32)
    enable_language(RC)
endif()

add_custom_command(
    OUTPUT ${LUNADESK_ICON}
    COMMAND ${Python3_EXECUTABLE} ${LUNADESK_ICON_SCRIPT} ${LUNADESK_ICON}
    DEPENDS ${LUNADESK_ICON_SCRIPT}
    COMMENT "Drawing lunadesk.ico"
    VERBATIM)

function(lunadesk_add_resources target)
    if(NOT WIN32)
        return()
    endif()
    # Listing the icon as a source makes the target own the command that draws it;
    # OBJECT_DEPENDS recompiles the resources when anything they pull in changes,
    # since windres reports no dependencies of its own.
    target_sources(${target} PRIVATE ${LUNADESK_RESOURCES} ${LUNADESK_ICON})
    set(included ${LUNADESK_ICON} ${LUNADESK_VERSION_HEADER}
                 ${LUNADESK_RESOURCE_DIR}/lunadesk.manifest ${LUNADESK_RESOURCE_DIR}/resource.h)
    set_source_files_properties(${LUNADESK_RESOURCES} PROPERTIES OBJECT_DEPENDS "${included}")
    # lunadesk.rc names its files bare: the icon and version.h are found in the build directory,
    # the manifest and resource.h beside the .rc.
    target_include_directories(${target} PRIVATE
        $<$<COMPILE_LANGUAGE:RC>:${LUNADESK_ICON_DIR}>
        $<$<COMPILE_LANGUAGE:RC>:${LUNADESK_RESOURCE_DIR}>)
endfunction()
