cmake_minimum_required(VERSION 3.25)
# Builds the Windows Installer package a school's administrator deploys:
# per machine into Program Files, a Start-menu shortcut, an entry in
# Programs and Features, silent install and removal, and a major upgrade
# over any older version.
#
# The tables are written as text (IDT files) and imported with msitools'
# msibuild into a database whose code page is 1251, so that the Bulgarian
# names stay Bulgarian; the files travel in one cabinet inside the package.
#
# Usage: cmake -DPROGRAM=ribi.exe -DTEXTS="LICENSE.txt;NOTICES.txt" -DICON=ribi.ico
#              -DVERSION=1.0.0 -DOUTPUT=ribi-1.0.0.msi -DWORK=scratch-dir -P make_msi.cmake

# Never changes: it is how every version finds the ones it replaces.
set(upgrade_code "41F66D8E-750C-4B55-A4A0-974D4C41EB59")

set(product_name "Пасажни и непасажни риби")
set(manufacturer "Велорна")
set(description "Учебна програма по биология и информатика")
set(install_folder "Ribi")
set(bulgarian 1026)

foreach(input IN ITEMS PROGRAM TEXTS ICON VERSION OUTPUT WORK)
  if(NOT DEFINED ${input})
    message(FATAL_ERROR "make_msi.cmake needs -D${input}=...")
  endif()
endforeach()
# msibuild runs in the tables' folder: every path is made absolute first.
foreach(input IN ITEMS OUTPUT WORK)
  file(REAL_PATH ${${input}} ${input} EXPAND_TILDE)
endforeach()
find_program(MSIBUILD msibuild REQUIRED)
find_program(GCAB gcab REQUIRED)
# The cabinet keeps each file's time: the one every package carries.
execute_process(COMMAND sh ${CMAKE_CURRENT_LIST_DIR}/../../scripts/source-date-epoch.sh
                OUTPUT_VARIABLE source_date OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)

# One product code per version (a major upgrade); the package code comes
# last, from the package's contents.
string(UUID product_code NAMESPACE ${upgrade_code} NAME "product ${VERSION}" TYPE SHA1 UPPER)
# A component's code must stay the same as long as its files' place does.
string(UUID program_component NAMESPACE ${upgrade_code} NAME "component Program" TYPE SHA1 UPPER)
string(UUID notices_component NAMESPACE ${upgrade_code} NAME "component Notices" TYPE SHA1 UPPER)

file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/cabinet ${WORK}/tables/Icon)

# The cabinet holds each file under its key in the File table, in sequence.
get_filename_component(program_name ${PROGRAM} NAME)
set(file_rows "")
set(sequence 0)
foreach(file IN LISTS PROGRAM TEXTS)
  get_filename_component(name ${file} NAME)
  file(COPY_FILE ${file} ${WORK}/cabinet/${name})
  file(SIZE ${file} size)
  math(EXPR sequence "${sequence} + 1")
  # Vital (the install fails without it) and compressed (in the cabinet).
  set(attributes 16896)
  if(file STREQUAL PROGRAM)
    # A versioned file: Windows Installer compares versions on upgrade.
    string(APPEND file_rows "${name}\tProgram\t${name}\t${size}\t${VERSION}.0\t${bulgarian}\t${attributes}\t${sequence}\n")
  else()
    string(APPEND file_rows "${name}\tNotices\t${name}\t${size}\t\t\t${attributes}\t${sequence}\n")
  endif()
  list(APPEND cabinet_files ${name})
endforeach()
execute_process(COMMAND touch -d @${source_date} ${cabinet_files} WORKING_DIRECTORY ${WORK}/cabinet
                COMMAND_ERROR_IS_FATAL ANY)
list(GET TEXTS 0 licence)
get_filename_component(licence ${licence} NAME)
execute_process(COMMAND ${GCAB} -c -z -n ${WORK}/ribi.cab ${cabinet_files} WORKING_DIRECTORY ${WORK}/cabinet
                RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "gcab could not make the cabinet")
endif()
file(COPY_FILE ${ICON} ${WORK}/tables/Icon/ribi.ico)

# An IDT file: column names, column types, then the table's name and keys.
function(table name columns types keys rows)
  file(WRITE ${WORK}/tables/${name}.idt "${columns}\n${types}\n${name}\t${keys}\n${rows}")
  list(APPEND imports ${WORK}/tables/${name}.idt)
  set(imports ${imports} PARENT_SCOPE)
endfunction()

# Strings are stored in code page 1251 (msibuild reads the tables as UTF-8).
# msitools 0.101 crashes on saving a string that has Latin characters
# before Cyrillic ones: every Bulgarian text here begins with a Cyrillic
# letter, even the short name of the shortcut.
file(WRITE ${WORK}/tables/_ForceCodepage.idt "\n\n1251\t_ForceCodepage\n")
set(imports ${WORK}/tables/_ForceCodepage.idt)

table(Property "Property\tValue" "s72\tl0" Property
"ProductCode\t{${product_code}}
ProductName\t${product_name}
ProductVersion\t${VERSION}
ProductLanguage\t${bulgarian}
Manufacturer\t${manufacturer}
UpgradeCode\t{${upgrade_code}}
ALLUSERS\t1
ARPPRODUCTICON\tribi.ico
ARPCOMMENTS\t${description}
ARPURLINFOABOUT\thttps://www.velorna.bg/
ARPNOMODIFY\t1
SecureCustomProperties\tOLDERVERSIONFOUND;NEWERVERSIONFOUND
")

table(Directory "Directory\tDirectory_Parent\tDefaultDir" "s72\tS72\tl255" Directory
"TARGETDIR\t\tSourceDir
ProgramFilesFolder\tTARGETDIR\t.
INSTALLDIR\tProgramFilesFolder\t${install_folder}
ProgramMenuFolder\tTARGETDIR\t.
")

table(Component "Component\tComponentId\tDirectory_\tAttributes\tCondition\tKeyPath" "s72\tS38\ts72\ti2\tS255\tS72"
      Component
"Program\t{${program_component}}\tINSTALLDIR\t0\t\t${program_name}
Notices\t{${notices_component}}\tINSTALLDIR\t0\t\t${licence}
")

table(Feature "Feature\tFeature_Parent\tTitle\tDescription\tDisplay\tLevel\tDirectory_\tAttributes"
      "s38\tS38\tL64\tL255\tI2\ti2\tS72\ti2" Feature
"Complete\t\t${product_name}\t${description}\t1\t1\tINSTALLDIR\t0
")

table(FeatureComponents "Feature_\tComponent_" "s38\ts72" "Feature_\tComponent_"
"Complete\tProgram
Complete\tNotices
")

table(File "File\tComponent_\tFileName\tFileSize\tVersion\tLanguage\tAttributes\tSequence"
      "s72\ts72\tl255\ti4\tS72\tS20\tI2\ti2" File "${file_rows}")

table(Media "DiskId\tLastSequence\tDiskPrompt\tCabinet\tVolumeLabel\tSource" "i2\ti2\tL64\tS255\tS32\tS72" DiskId
"1\t${sequence}\t\t#ribi.cab\t\t
")

# The shortcut points at the installed file itself ("[#file]"), not at the
# feature: an advertised shortcut would start a repair whenever a file is
# missing, and some locked-down school machines refuse that. Without an icon
# of its own it shows ribi.exe's.
table(Shortcut "Shortcut\tDirectory_\tName\tComponent_\tTarget\tArguments\tDescription\tHotkey\tIcon_\tIconIndex\tShowCmd\tWkDir"
      "s72\ts72\tl128\ts72\ts72\tS255\tL255\tI2\tS72\tI2\tI2\tS72" Shortcut
"ProgramMenuShortcut\tProgramMenuFolder\tРиби|${product_name}\tProgram\t[#${program_name}]\t\t${description}\t\t\t\t\tINSTALLDIR
")

table(Icon "Name\tData" "s72\tv0" Name
"ribi.ico\tribi.ico
")

# Any older version is removed before this one goes in; a newer one
# already there stops the install.
table(Upgrade "UpgradeCode\tVersionMin\tVersionMax\tLanguage\tAttributes\tRemove\tActionProperty"
      "s38\tS20\tS20\tS255\ti4\tS255\ts72" "UpgradeCode\tVersionMin\tVersionMax\tLanguage\tAttributes"
"{${upgrade_code}}\t0.0.0\t${VERSION}\t\t256\t\tOLDERVERSIONFOUND
{${upgrade_code}}\t${VERSION}\t\t\t2\t\tNEWERVERSIONFOUND
")

table(LaunchCondition "Condition\tDescription" "s255\tl255" Condition
"NOT NEWERVERSIONFOUND\tПо-нова версия на програмата вече е инсталирана.
VersionNT >= 601\tПрограмата работи на Windows 7 и по-нови версии.
")

# Programs and Features shows where the program went.
table(CustomAction "Action\tType\tSource\tTarget" "s72\ti2\tS72\tS255" Action
"SetInstallLocation\t51\tARPINSTALLLOCATION\t[INSTALLDIR]
")

table(InstallExecuteSequence "Action\tCondition\tSequence" "s72\tS255\tI2" Action
"FindRelatedProducts\t\t25
LaunchConditions\t\t100
CostInitialize\t\t800
FileCost\t\t900
CostFinalize\t\t1000
SetInstallLocation\t\t1010
InstallValidate\t\t1400
RemoveExistingProducts\t\t1450
InstallInitialize\t\t1500
ProcessComponents\t\t1600
UnpublishFeatures\t\t1800
RemoveShortcuts\t\t3200
RemoveFiles\t\t3500
InstallFiles\t\t4000
CreateShortcuts\t\t4500
RegisterUser\t\t6000
RegisterProduct\t\t6100
PublishFeatures\t\t6300
PublishProduct\t\t6400
InstallFinalize\t\t6600
")

table(InstallUISequence "Action\tCondition\tSequence" "s72\tS255\tI2" Action
"FindRelatedProducts\t\t25
LaunchConditions\t\t100
CostInitialize\t\t800
FileCost\t\t900
CostFinalize\t\t1000
ExecuteAction\t\t1300
")

# Group Policy's software installation advertises the package first.
table(AdvtExecuteSequence "Action\tCondition\tSequence" "s72\tS255\tI2" Action
"CostInitialize\t\t800
CostFinalize\t\t1000
InstallValidate\t\t1400
InstallInitialize\t\t1500
CreateShortcuts\t\t4500
RegisterProduct\t\t6100
PublishFeatures\t\t6300
PublishProduct\t\t6400
InstallFinalize\t\t6600
")

# An administrative install (msiexec /a) unpacks the package to a share.
table(AdminExecuteSequence "Action\tCondition\tSequence" "s72\tS255\tI2" Action
"CostInitialize\t\t800
FileCost\t\t900
CostFinalize\t\t1000
InstallValidate\t\t1400
InstallInitialize\t\t1500
InstallAdminPackage\t\t3900
InstallFiles\t\t4000
InstallFinalize\t\t6600
")

table(AdminUISequence "Action\tCondition\tSequence" "s72\tS255\tI2" Action
"CostInitialize\t\t800
FileCost\t\t900
CostFinalize\t\t1000
ExecuteAction\t\t1300
")

# A 32-bit package in Bulgarian, for Windows Installer 2.0 and later.
set(template "Intel;${bulgarian}")
# Its package code names what is in it: the summary, every table, the icon
# and the cabinet. The same sources give the same package, and any change
# a new code, as Windows Installer requires.
set(contents "${product_name} ${manufacturer} ${template}")
foreach(file IN LISTS imports ITEMS ${WORK}/tables/Icon/ribi.ico ${WORK}/ribi.cab)
  file(SHA256 ${file} hash)
  string(APPEND contents " ${hash}")
endforeach()
string(UUID package_code NAMESPACE ${upgrade_code} NAME "package ${contents}" TYPE SHA1 UPPER)
get_filename_component(output_dir ${OUTPUT} DIRECTORY)
file(MAKE_DIRECTORY ${output_dir})
file(REMOVE ${OUTPUT})
# Summary first, then every table in one run: msitools 0.101 garbles the
# Cyrillic strings of a database when a later run adds strings to them.
# Binary data (the icon) comes from a folder named after its table, beside
# the working directory.
execute_process(COMMAND ${MSIBUILD} ${OUTPUT} -s "${product_name}" "${manufacturer}" "${template}"
                        "{${package_code}}" RESULT_VARIABLE status)
if(status EQUAL 0)
  execute_process(COMMAND ${MSIBUILD} ${OUTPUT} -i ${imports} WORKING_DIRECTORY ${WORK}/tables RESULT_VARIABLE status)
endif()
if(status EQUAL 0)
  execute_process(COMMAND ${MSIBUILD} ${OUTPUT} -a ribi.cab ${WORK}/ribi.cab RESULT_VARIABLE status)
endif()
if(NOT status EQUAL 0)
  file(REMOVE ${OUTPUT})
  message(FATAL_ERROR "msibuild could not make ${OUTPUT}")
endif()
