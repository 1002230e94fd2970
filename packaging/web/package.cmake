# The browser edition for a school's website, $(WEB_BUILD)/packages/ribi-web/
# (`make package`): ribi.html as index.html with a web app manifest, a
# service worker and the home-screen icons (make_webapp.py), so that it
# installs on a phone, tablet or Chromebook and opens with no network.
set(RIBI_WEBAPP ${PROJECT_BINARY_DIR}/packages/ribi-web)
set(RIBI_WEBAPP_SOURCE ${PROJECT_SOURCE_DIR}/packaging/web)
add_custom_command(
  OUTPUT ${RIBI_WEBAPP}/index.html ${RIBI_WEBAPP}/service-worker.js
  COMMAND Python3::Interpreter ${RIBI_WEBAPP_SOURCE}/make_webapp.py ${PROJECT_BINARY_DIR}/ribi.html ${RIBI_WEBAPP}
  DEPENDS ${PROJECT_BINARY_DIR}/ribi.html ${RIBI_WEBAPP_SOURCE}/make_webapp.py ${RIBI_WEBAPP_SOURCE}/register.js
          ${RIBI_WEBAPP_SOURCE}/service-worker.js ${RIBI_WEBAPP_SOURCE}/manifest.webmanifest
          ${PROJECT_SOURCE_DIR}/window/icon/ribi-192.png ${PROJECT_SOURCE_DIR}/window/icon/ribi-512.png
          ${PROJECT_SOURCE_DIR}/window/icon/ribi-maskable-512.png
  COMMENT "Building the folder for a web server: packages/ribi-web")
add_custom_target(ribi_webapp ALL DEPENDS ${RIBI_WEBAPP}/service-worker.js)
