# What `cmake --install` puts under the prefix: both programs, the translations where the
# designer looks beside its bin folder, the icon at the theme's sizes, the desktop entry, the
# file type and the thumbnailer. scripts/install refreshes the desktop's caches afterwards.
include(GNUInstallDirs)

install(TARGETS korvex-designer korvex-template RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${CMAKE_BINARY_DIR}/languages/ DESTINATION ${CMAKE_INSTALL_DATADIR}/korvex-designer/languages
        FILES_MATCHING PATTERN "*.qm")
install(DIRECTORY ${CMAKE_CURRENT_LIST_DIR}/../icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/korvex-designer.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/korvex-template.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)

# The thumbnailer names the tool by its full path, which is known only when installing
# (`cmake --install --prefix` may choose another prefix than the configured one).
install(CODE "
  set(bindir \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
  set(entry \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/thumbnailers/korvex-template.thumbnailer\")
  message(STATUS \"Installing: \${entry}\")
  file(WRITE \"\${entry}\" \"[Thumbnailer Entry]\\nTryExec=\${bindir}/korvex-template\\n\"
       \"Exec=\${bindir}/korvex-template thumbnail %i %o --size %s\\n\"
       \"MimeType=application/x-korvex-template;\\n\")
  list(APPEND CMAKE_INSTALL_MANIFEST_FILES \"\${entry}\")
")
