// Names of the events through which the installer tells its elevated child
// to start the setup or to give up.
#ifndef INSTALLER_LITE_INSTALLER_ENGINE_ELEVATION_EVENTS_H_
#define INSTALLER_LITE_INSTALLER_ENGINE_ELEVATION_EVENTS_H_

namespace lite_installer {

inline constexpr char kElevationGoEventName[] = "0c0f0f0d-6434-4cfd-a5e9-23e9ca4d94b6";
inline constexpr char kElevationCancelEventName[] = "fef32d6d-67e9-4654-b314-6c72098ff5d1";

}  // namespace lite_installer

#endif  // INSTALLER_LITE_INSTALLER_ENGINE_ELEVATION_EVENTS_H_
