/* A DLL named cabinet.dll without the decompression functions: what a user
   could plant where %WINDIR% points. */
int planted_cabinet_marker(void) {
  return 1;
}
