# velkora_folder(<folder> [LOGIC files...] [WIDGETS files...] [USES folders...] [LINKS targets...])
#
# Makes the libraries of one folder of src/: velkora_<folder> from the LOGIC
# files, which may use Qt Core, Sql and Network only, and
# velkora_<folder>_widgets from the WIDGETS files, which may use Qt Widgets
# and WebEngine as well. Each links the libraries of the folders it USES,
# which must lie below it in the layer order; nothing else is linked, so a
# call into a folder above fails to link.
function(velkora_folder folder)
    cmake_parse_arguments(ARG "" "" "LOGIC;WIDGETS;USES;LINKS" ${ARGN})
    set(logicUsed "")
    set(widgetsUsed "")
    foreach(used IN LISTS ARG_USES)
        if(NOT TARGET velkora_${used} AND NOT TARGET velkora_${used}_widgets)
            message(FATAL_ERROR "${folder} uses ${used}, which is not made before it")
        endif()
        if(TARGET velkora_${used})
            list(APPEND logicUsed velkora_${used})
        endif()
        if(TARGET velkora_${used}_widgets)
            list(APPEND widgetsUsed velkora_${used}_widgets)
        endif()
    endforeach()
    # Higher folders first on the link line: a library that calls into one
    # above it finds that one already passed, and the link fails.
    list(REVERSE logicUsed)
    list(REVERSE widgetsUsed)

    if(ARG_LOGIC)
        add_library(velkora_${folder} STATIC ${ARG_LOGIC})
        target_include_directories(velkora_${folder} PUBLIC ${VELKORA_SOURCE_ROOT})
        target_link_libraries(velkora_${folder} PUBLIC ${logicUsed} Qt6::Core Qt6::Sql Qt6::Network)
        set_property(GLOBAL APPEND PROPERTY VELKORA_LOGIC_LIBRARIES velkora_${folder})
    endif()
    if(ARG_WIDGETS)
        add_library(velkora_${folder}_widgets STATIC ${ARG_WIDGETS})
        target_include_directories(velkora_${folder}_widgets PUBLIC ${VELKORA_SOURCE_ROOT})
        if(ARG_LOGIC)
            target_link_libraries(velkora_${folder}_widgets PUBLIC velkora_${folder})
        endif()
        target_link_libraries(velkora_${folder}_widgets PUBLIC ${widgetsUsed} ${logicUsed}
            ${ARG_LINKS} Qt6::Widgets Qt6::WebEngineWidgets Qt6::PrintSupport)
        set_property(GLOBAL APPEND PROPERTY VELKORA_WIDGETS_LIBRARIES velkora_${folder}_widgets)
    endif()
endfunction()
