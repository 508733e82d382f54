# Every JUCE_* setting of the project lives here, in one INTERFACE target that
# all of our targets link, so that the modules are compiled the same way
# everywhere.
add_library(tolmvesk_juce_options INTERFACE)
target_compile_definitions(tolmvesk_juce_options INTERFACE
    JUCE_WEB_BROWSER=0
    JUCE_USE_CURL=0
    JUCE_DISPLAY_SPLASH_SCREEN=0
    JUCE_MODAL_LOOPS_PERMITTED=1
    JUCE_STRICT_REFCOUNTEDPOINTER=1
    JUCE_DISABLE_JUCE_VERSION_PRINTING=1
    JUCE_STANDALONE_APPLICATION=1
    JUCE_APPLICATION_NAME_STRING="TolmVESK Sound Librarian"
    JUCE_APPLICATION_VERSION_STRING="${PROJECT_VERSION}")

if(TOLMVESK_SANITIZE)
    target_compile_options(tolmvesk_juce_options INTERFACE
        -fsanitize=address,undefined -fno-omit-frame-pointer)
    target_link_options(tolmvesk_juce_options INTERFACE -fsanitize=address,undefined)
endif()

# Warnings apply to our own sources only; JUCE's module sources are compiled
# into the same targets and are not ours to clean up.
set(TOLMVESK_WARNING_FLAGS -Wall -Wextra -Wshadow -Wnon-virtual-dtor -Wconversion
    -Wno-sign-conversion)

function(tolmvesk_enable_warnings)
    set_source_files_properties(${ARGN} PROPERTIES COMPILE_OPTIONS "${TOLMVESK_WARNING_FLAGS}")
endfunction()
