# The manifest Windows' package manager installs a release from, in its multi-file form
# (version, installer, default locale), for the installer just made: its address where the
# release is published, its SHA-256, a per-user Nullsoft installer with its silent switch
# and exit statuses, and the Apps entry it writes.
#   cmake -DINSTALLER=... -DOUT=folder -DVERSION=... -DPUBLISHER=... -DPRODUCT_CODE=...
#         -DRELEASE_DATE=... -DINSTALLER_URL=... -DSITE=... -DHOME_PAGE=... -DRELEASE_NOTES_URL=...
#         -P cmake/winget-manifest.cmake
cmake_minimum_required(VERSION 3.25)
string(REPLACE " " "" publisher_id "${PUBLISHER}")
set(id "${publisher_id}.Velmoor")
file(SHA256 ${INSTALLER} sha256)
string(SUBSTRING "${RELEASE_DATE}" 0 4 year)
string(TOUPPER ${sha256} sha256)
set(head "# Written by Velmoor's build for ${id} ${VERSION}\nPackageIdentifier: ${id}\nPackageVersion: ${VERSION}\n")
set(tail "ManifestVersion: 1.6.0\n")
file(REMOVE_RECURSE ${OUT})
file(WRITE ${OUT}/${id}.yaml "${head}DefaultLocale: en-US\nManifestType: version\n${tail}")
file(WRITE ${OUT}/${id}.installer.yaml "${head}\
InstallerType: nullsoft
Scope: user
InstallModes:
- interactive
- silent
- silentWithProgress
InstallerSwitches:
  Silent: /S
  SilentWithProgress: /S
ExpectedReturnCodes:
- InstallerReturnCode: 2
  ReturnResponse: fileInUse
- InstallerReturnCode: 3
  ReturnResponse: packageInUse
- InstallerReturnCode: 4
  ReturnResponse: downgrade
UpgradeBehavior: install
ProductCode: ${PRODUCT_CODE}
ReleaseDate: ${RELEASE_DATE}
AppsAndFeaturesEntries:
- DisplayName: Velmoor
  Publisher: ${PUBLISHER}
  DisplayVersion: ${VERSION}
  ProductCode: ${PRODUCT_CODE}
Installers:
- Architecture: x64
  InstallerUrl: ${INSTALLER_URL}
  InstallerSha256: ${sha256}
ManifestType: installer
${tail}")
file(WRITE ${OUT}/${id}.locale.en-US.yaml "${head}\
PackageLocale: en-US
Publisher: ${PUBLISHER}
PublisherUrl: ${SITE}
PackageName: Velmoor
PackageUrl: ${HOME_PAGE}
License: Proprietary
Copyright: Copyright ${year} ${PUBLISHER}
ShortDescription: Answers a question with Yes or No.
Description: Type a question, press Get My Answer, watch the Please Wait dots, and read a fair Yes or No.
ReleaseNotesUrl: ${RELEASE_NOTES_URL}
ManifestType: defaultLocale
${tail}")
