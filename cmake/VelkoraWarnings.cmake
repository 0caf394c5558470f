# The compiler's warnings for every target of the project; errors with
# VELKORA_WERROR (as CI builds).
option(VELKORA_WERROR "Treat compiler warnings as errors" OFF)

add_library(velkora_warnings INTERFACE)
target_compile_options(velkora_warnings INTERFACE
    -Wall -Wextra -Wshadow -Wnon-virtual-dtor -Woverloaded-virtual -Wcast-align
    -Wimplicit-fallthrough -Wmisleading-indentation
    # Members left out of a designated initializer take their defaults, as meant.
    -Wno-missing-field-initializers)
if(VELKORA_WERROR)
    target_compile_options(velkora_warnings INTERFACE -Werror)
endif()

# Links the warnings to every target made in `dir` and below it.
function(velkora_apply_warnings dir)
    get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
    foreach(target IN LISTS targets)
        get_target_property(type ${target} TYPE)
        if(type MATCHES "EXECUTABLE|STATIC_LIBRARY|SHARED_LIBRARY|MODULE_LIBRARY|OBJECT_LIBRARY")
            target_link_libraries(${target} PRIVATE velkora_warnings)
        endif()
    endforeach()
    get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
    foreach(subdir IN LISTS subdirs)
        velkora_apply_warnings(${subdir})
    endforeach()
endfunction()
