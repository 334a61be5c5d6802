# Installing the editor like any desktop application: the program, its desktop entry,
# AppStream metainfo, icons, man page and licence; and a Debian package of all of it
# (cpack -G DEB in the build folder).
include(GNUInstallDirs)
find_package(Qt6 REQUIRED COMPONENTS Gui)

set(QUARRIX_PACKAGE quarrix-editor)
set(QUARRIX_PACKAGING_DIR ${CMAKE_SOURCE_DIR}/packaging)
set(QUARRIX_GENERATED_DIR ${CMAKE_BINARY_DIR}/packaging)
# Debian's place, not GNUInstallDirs' (which would name the folder after the project).
set(QUARRIX_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/${QUARRIX_PACKAGE})

# The release histories name the version they end with; a version bump without a
# release entry would ship metadata that contradicts the package.
function(quarrix_check_newest_release file pattern)
    file(READ ${QUARRIX_PACKAGING_DIR}/${file} text)
    string(REGEX MATCH "${pattern}" newest "${text}")
    if(NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
        message(FATAL_ERROR "packaging/${file}: the newest release is '${CMAKE_MATCH_1}', the project is "
                            "version ${PROJECT_VERSION}; add a release entry")
    endif()
endfunction()
quarrix_check_newest_release(changelog "^[^ ]+ \\(([^)]+)\\)")
quarrix_check_newest_release(${QUARRIX_APP_ID}.metainfo.xml.in "<release version=\"([^\"]+)\"")

# Icons drawn from the demo image's pixel art by the program's own drawing code.
add_executable(quarrix_make_icon ${QUARRIX_PACKAGING_DIR}/make_icon.cpp)
target_link_libraries(quarrix_make_icon PRIVATE quarrix_core Qt6::Gui)
set(icon_dir ${QUARRIX_GENERATED_DIR}/icons)
add_custom_command(OUTPUT ${QUARRIX_GENERATED_DIR}/icons.stamp
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${icon_dir}
    COMMAND quarrix_make_icon ${icon_dir} ${QUARRIX_APP_ID}
    COMMAND ${CMAKE_COMMAND} -E touch ${QUARRIX_GENERATED_DIR}/icons.stamp
    DEPENDS quarrix_make_icon
    COMMENT "Drawing the application icons"
    VERBATIM)

# Man page and changelog, compressed as Debian wants them (-n: no time stamp inside).
find_program(GZIP gzip REQUIRED)
configure_file(${QUARRIX_PACKAGING_DIR}/quarrix-editor.1.in ${QUARRIX_GENERATED_DIR}/quarrix-editor.1 @ONLY)
configure_file(${QUARRIX_PACKAGING_DIR}/changelog ${QUARRIX_GENERATED_DIR}/changelog COPYONLY)
configure_file(${QUARRIX_PACKAGING_DIR}/${QUARRIX_APP_ID}.metainfo.xml.in
               ${QUARRIX_GENERATED_DIR}/${QUARRIX_APP_ID}.metainfo.xml @ONLY)
set(compressed)
foreach(file IN ITEMS quarrix-editor.1 changelog)
    add_custom_command(OUTPUT ${QUARRIX_GENERATED_DIR}/${file}.gz
        COMMAND ${GZIP} -9nkf ${QUARRIX_GENERATED_DIR}/${file}
        DEPENDS ${QUARRIX_GENERATED_DIR}/${file}
        VERBATIM)
    list(APPEND compressed ${QUARRIX_GENERATED_DIR}/${file}.gz)
endforeach()
add_custom_target(quarrix_install_data ALL DEPENDS ${QUARRIX_GENERATED_DIR}/icons.stamp ${compressed})

install(TARGETS quarrix-editor RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS quarrix-script-engine LIBRARY DESTINATION ${QUARRIX_SCRIPT_ENGINE_INSTALL_DIR})
install(FILES ${QUARRIX_PACKAGING_DIR}/${QUARRIX_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${QUARRIX_GENERATED_DIR}/${QUARRIX_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${icon_dir}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
install(FILES ${QUARRIX_GENERATED_DIR}/quarrix-editor.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${QUARRIX_GENERATED_DIR}/changelog.gz DESTINATION ${QUARRIX_DOC_DIR})
install(FILES ${CMAKE_SOURCE_DIR}/LICENSE DESTINATION ${QUARRIX_DOC_DIR} RENAME copyright)

# The man page has to keep up with the options the program takes.
add_test(NAME man_page_matches_help
         COMMAND ${CMAKE_COMMAND} -DEDITOR=$<TARGET_FILE:quarrix-editor>
                 -DMAN_PAGE=${QUARRIX_PACKAGING_DIR}/quarrix-editor.1.in
                 -P ${CMAKE_SOURCE_DIR}/cmake/check_man_page.cmake)
set_tests_properties(man_page_matches_help PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")

set(CPACK_PACKAGE_NAME ${QUARRIX_PACKAGE})
set(CPACK_PACKAGE_VENDOR "The Quarrix Editor developers")
set(CPACK_PACKAGE_CONTACT "The Quarrix Editor developers <developers@quarrix.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "level editor for the ROM image of a 16-stage NES action game")
set(CPACK_PACKAGE_DESCRIPTION
    "Quarrix Editor edits the level data of all sixteen stages in the ROM image\n"
    "of an NES action game: each stage's pages, map sets, chip sets, chips and\n"
    "object list, in five tabbed views, with the mouse and the keyboard. It saves\n"
    "back into the same file in place. A built-in demo image lets you try it\n"
    "without a ROM image of your own.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
set(CPACK_GENERATOR DEB)
set(CPACK_STRIP_FILES ON)
# Independent of the umask of whoever builds the package.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION editors)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Depends: worked out by dpkg-shlibdeps from the libraries the program links.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The views draw their captions in this face, whatever the desktop's language.
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-dejavu-core)
# Japanese menus and messages need a Japanese font to be read, and the toolkit's own
# translations for the buttons of its standard dialogs; the editor runs without either.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-noto-cjk, qt6-translations-l10n")
include(CPack)
