# nlohmann/json for the user's files. The mingw compilers search only their own sysroot, so a
# cross build sees the host's copy through a folder that holds nothing else.
find_path(NLOHMANN_JSON_INCLUDE_DIR nlohmann/json.hpp NO_CMAKE_FIND_ROOT_PATH REQUIRED)
if(CMAKE_CROSSCOMPILING)
    set(jsonInclude ${CMAKE_BINARY_DIR}/json-include)
    file(MAKE_DIRECTORY ${jsonInclude})
    file(CREATE_LINK ${NLOHMANN_JSON_INCLUDE_DIR}/nlohmann ${jsonInclude}/nlohmann SYMBOLIC)
    set(jsonIncludeDir ${jsonInclude})
else()
    set(jsonIncludeDir ${NLOHMANN_JSON_INCLUDE_DIR})
endif()
add_library(json_headers INTERFACE)
target_include_directories(json_headers SYSTEM INTERFACE ${jsonIncludeDir})
