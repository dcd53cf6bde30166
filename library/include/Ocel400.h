/*
 * Ocel400 - control library for Ocel series colour video cameras.
 *
 * The camera is reached over one RS-232 line. Every picture setting is a
 * camera register, written and read with 14-byte ASCII frames:
 *
 *   command  "000000" 'W'|'R' <register: 3 digits> <value: 3 digits> CR
 *   reply    byte 6 'C' = accepted, bytes 8-9 echo the request (reads),
 *            bytes 10-12 the value (reads), byte 13 CR
 *
 * Call PortInitEx once before anything else. Every setter and getter then
 * performs one synchronous exchange (at 9600 baud about 60 ms; up to about
 * 3.1 s against a silent camera, after 20 attempts). The library keeps one
 * process-wide state and is to be called from one thread at a time.
 *
 * Values out of a setting's range are replaced by that setting's fixed
 * substitute, never refused. Getters return what the camera holds; whether a
 * getter's exchange succeeded is told by LastResult().
 *
 * On Windows every export uses the standard calling convention (__stdcall)
 * and is exported under its undecorated name.
 *
 * Ocel400_settings.h lists the 44 settings as data, for programs that treat
 * them alike; Ocel400_ports.h tells C++ programs which device a COM port is.
 */
#ifndef OCEL400_H
#define OCEL400_H

#include <stdint.h>

#if defined(_WIN32)
#  define OCEL400_CALL __stdcall
#  if defined(OCEL400_BUILDING_LIBRARY)
#    define OCEL400_API __declspec(dllexport)
#  else
#    define OCEL400_API __declspec(dllimport)
#  endif
#else
#  define OCEL400_CALL
#  define OCEL400_API __attribute__((visibility("default")))
#endif

/* clang-format off */
/* Result codes of PortInit, PortInitEx, every setter, SelectArea and LastResult. */
#define OCEL400_DONE 0              /* the exchange succeeded                         */
#define OCEL400_NOT_ACKNOWLEDGED 1  /* no accepted reply in 20 attempts               */
#define OCEL400_WRITE_FAILED 2      /* the frame could not be written to the port     */
#define OCEL400_BAD_PORT_NUMBER 3   /* port number outside 1...8; nothing changed     */
#define OCEL400_PORT_NOT_OPENED 4   /* the port could not be opened; errno says why   */
#define OCEL400_BAD_ARGUMENT 5      /* the argument cannot be encoded; nothing sent   */
/* clang-format on */

/* Camera models and video standards as PortInitEx takes them. */
#define OCEL400_MODEL_0 0
#define OCEL400_MODEL_1 1
#define OCEL400_PAL 0
#define OCEL400_NTSC 1

#ifdef __cplusplus
extern "C" {
#endif

/* ---- The line ---------------------------------------------------------- */

/* Opens COM<port> (1...8) with the line parameters of the last PortInitEx.
 * On Linux COMn is the device named by $OCEL400_COMn, else /dev/ttyS<n-1>;
 * a variable that is set but empty names no device (code 4, errno ENOENT).
 * A port opened before is closed first.
 *
 * When the port cannot be opened (result 4), the cause is left where the
 * platform keeps it. On Linux errno holds it: ENOENT no such device, EACCES
 * no permission (the user is not in the dialout group), EBUSY in use by
 * another program, ENOTTY not a serial port, or whatever else open(2) or
 * the terminal set-up reported. On Windows GetLastError() holds the error
 * of the call that failed: ERROR_FILE_NOT_FOUND no such port,
 * ERROR_ACCESS_DENIED in use by another program, and so on. After any other
 * result neither says anything about the port. */
OCEL400_API uint16_t OCEL400_CALL PortInit(int32_t port);

/* Stores model (0, 1), standard (0 PAL, 1 NTSC), baud (2400, 4800, 9600) and
 * parity (0 none, 1 odd, 2 even), selects the model's register map and the
 * standard's shutter codes, then opens the port as PortInit does. Model 0
 * always runs at 9600 baud without parity. */
OCEL400_API uint16_t OCEL400_CALL PortInitEx(int32_t port, int32_t model, int32_t standard,
                                             int32_t baud, int32_t parity);

/* Result code of the most recent exchange, getters included. */
OCEL400_API uint16_t OCEL400_CALL LastResult(void);

/* clang-format off */
/* ---- Setters: value in, result code out ------------------------------- */

OCEL400_API uint16_t OCEL400_CALL SetMode(int32_t mode);        /* 0 camera, else remote  */
OCEL400_API uint16_t OCEL400_CALL SetModeZM(uint16_t mode);     /* 0, else 1              */
OCEL400_API uint16_t OCEL400_CALL SetNegPos(int32_t mode);      /* 0...3, else 0          */
OCEL400_API uint16_t OCEL400_CALL SetModeWB(uint16_t mode);     /* 0...4, else 0          */
OCEL400_API uint16_t OCEL400_CALL SetModeES(uint16_t mode);     /* 0,1,2,4, else 2        */
OCEL400_API uint16_t OCEL400_CALL SetModeGC(uint16_t mode);     /* 0,1,2,4, else 2        */
OCEL400_API uint16_t OCEL400_CALL SetAEMode(uint8_t mode);      /* 0...9, else 0          */

OCEL400_API uint16_t OCEL400_CALL SetAEOff(uint16_t value);     /* 0...255, else 128      */
OCEL400_API uint16_t OCEL400_CALL SetAEArea(uint16_t value);    /* 0...255, else 51       */
OCEL400_API uint16_t OCEL400_CALL SetAgesRes(uint16_t value);   /* 0...255, else 32       */
OCEL400_API uint16_t OCEL400_CALL SetAgcRes(uint16_t value);    /* 1...10, else 1         */
OCEL400_API uint16_t OCEL400_CALL SetAesRes(uint16_t value);    /* 1...10, else 1         */
OCEL400_API uint16_t OCEL400_CALL SetATWRes(uint16_t value);    /* 0...255, else 0        */
OCEL400_API uint16_t OCEL400_CALL SetShape(uint16_t value);     /* 0...255, else 235      */
OCEL400_API uint16_t OCEL400_CALL SetYGamma(uint16_t value);    /* 0...255, else 235      */
OCEL400_API uint16_t OCEL400_CALL SetCGamma(uint16_t value);    /* 0...255, else 0        */
OCEL400_API uint16_t OCEL400_CALL SetPhase(uint16_t value);     /* 0...255, else 0        */
OCEL400_API uint16_t OCEL400_CALL SetMWBR(uint16_t value);      /* 0...255, else 0        */
OCEL400_API uint16_t OCEL400_CALL SetMWBB(uint16_t value);      /* 0...255, else 255      */
OCEL400_API uint16_t OCEL400_CALL SetESMin(uint16_t value);     /* 0...255, else 0        */
OCEL400_API uint16_t OCEL400_CALL SetESMax(uint16_t value);     /* 0...155, else 155      */
OCEL400_API uint16_t OCEL400_CALL SetMinGain(uint16_t value);   /* 0...240, else 0        */
OCEL400_API uint16_t OCEL400_CALL SetMaxGain(uint16_t value);   /* 0...240, else 240      */
OCEL400_API uint16_t OCEL400_CALL SetAELevel(uint16_t value);   /* 0...999, else 255      */
OCEL400_API uint16_t OCEL400_CALL SetDigAgc(uint16_t value);    /* 0...6, else 3          */
OCEL400_API uint16_t OCEL400_CALL SetDZoom(uint16_t value);     /* 63...255, else 235     */
OCEL400_API uint16_t OCEL400_CALL SetEZMinn(uint16_t value);    /* 64...255, else 64      */
OCEL400_API uint16_t OCEL400_CALL SetEZPane(uint16_t value);    /* 0, 128, 255, else 128  */
OCEL400_API uint16_t OCEL400_CALL SetEZTilt(uint16_t value);    /* 0, 128, 255, else 128  */
OCEL400_API uint16_t OCEL400_CALL SetEZSWBtn(uint16_t value);   /* 0...63, else 0         */
OCEL400_API uint16_t OCEL400_CALL SetEZDemo(uint16_t value);    /* 0...10, else 1         */
OCEL400_API uint16_t OCEL400_CALL SetRate0(uint16_t value);     /* 0...255, else 255      */
OCEL400_API uint16_t OCEL400_CALL SetRate1(uint16_t value);     /* 0...255, else 255      */
OCEL400_API uint16_t OCEL400_CALL SetRate2(uint16_t value);     /* 0...255, else 255      */
OCEL400_API uint16_t OCEL400_CALL SetRate3(uint16_t value);     /* 0...255, else 255      */
OCEL400_API uint16_t OCEL400_CALL SetRate4(uint16_t value);     /* 0...255, else 255      */
OCEL400_API uint16_t OCEL400_CALL SetRate5(uint16_t value);     /* 0...255, else 255      */
OCEL400_API uint16_t OCEL400_CALL SetRateP(uint16_t value);     /* 0...255, else 64       */
OCEL400_API uint16_t OCEL400_CALL SetDioSel(uint16_t value);    /* 10, 32, else 10        */
OCEL400_API uint16_t OCEL400_CALL SetReBps(uint16_t value);     /* 96, 48, 24 (x100 baud) */
OCEL400_API uint16_t OCEL400_CALL SetRePrt(uint16_t value);     /* 0, 1, 2, else 0        */

/* 1 keeps the present settings as the user's, 255 restores the factory
 * settings; any other value sends nothing and returns 0. */
OCEL400_API uint16_t OCEL400_CALL SetUsflg(uint16_t value);
/* Manual gain in dB, 0...48 (model 0 is useful up to 18 dB); else 0 dB. */
OCEL400_API uint16_t OCEL400_CALL SetMGC(double decibel);
/* Manual shutter as x of 1/x second; the 20 standard speeds from 50 to 30000
 * use the camera's own codes, every other speed a computed code. */
OCEL400_API uint16_t OCEL400_CALL SetMES(uint16_t denominator);
/* One row (1...5 in the settings program; 0...5 accepted) of the 5x5
 * automatic-exposure area grid: bit 4 is the leftmost cell, bit 0 the
 * rightmost. A row outside 0...5 sends nothing and returns 5. */
OCEL400_API uint16_t OCEL400_CALL SelectArea(int32_t mask, uint8_t row);

/* ---- Getters: the camera's present value ------------------------------ */

OCEL400_API uint8_t OCEL400_CALL GetMode(void);
OCEL400_API uint8_t OCEL400_CALL GetModeGC(void);
OCEL400_API uint8_t OCEL400_CALL GetModeES(void);
OCEL400_API uint8_t OCEL400_CALL GetModeWB(void);
OCEL400_API uint8_t OCEL400_CALL GetModeZM(void);
OCEL400_API uint8_t OCEL400_CALL GetMWBR(void);
OCEL400_API uint8_t OCEL400_CALL GetMWBB(void);
OCEL400_API uint8_t OCEL400_CALL GetAEOff(void);
OCEL400_API uint8_t OCEL400_CALL GetAEArea(void);
OCEL400_API uint8_t OCEL400_CALL GetAgesRes(void);
OCEL400_API uint8_t OCEL400_CALL GetAgcRes(void);
OCEL400_API uint8_t OCEL400_CALL GetAesRes(void);
OCEL400_API uint8_t OCEL400_CALL GetShape(void);
OCEL400_API uint8_t OCEL400_CALL GetYGamma(void);
OCEL400_API uint8_t OCEL400_CALL GetCGamma(void);
OCEL400_API uint8_t OCEL400_CALL GetNegPos(void);
OCEL400_API uint8_t OCEL400_CALL GetPhase(void);
OCEL400_API uint8_t OCEL400_CALL GetATWRes(void);
OCEL400_API uint8_t OCEL400_CALL GetAEMode(void);
OCEL400_API uint8_t OCEL400_CALL GetUsflg(void);
OCEL400_API uint8_t OCEL400_CALL GetDZoom(void);
OCEL400_API uint8_t OCEL400_CALL GetAELevel(void);
OCEL400_API uint8_t OCEL400_CALL GetEZPane(void);
OCEL400_API uint8_t OCEL400_CALL GetEZTilt(void);
OCEL400_API uint8_t OCEL400_CALL GetEZDemo(void);
OCEL400_API uint8_t OCEL400_CALL GetDigAgc(void);
OCEL400_API uint8_t OCEL400_CALL GetEZSWBtn(void);
OCEL400_API uint8_t OCEL400_CALL GetESMin(void);
OCEL400_API uint8_t OCEL400_CALL GetESMax(void);
OCEL400_API uint8_t OCEL400_CALL GetMaxGain(void);
OCEL400_API uint8_t OCEL400_CALL GetMinGain(void);
OCEL400_API uint8_t OCEL400_CALL GetEZMinn(void);
OCEL400_API uint8_t OCEL400_CALL GetRate0(void);
OCEL400_API uint8_t OCEL400_CALL GetRate1(void);
OCEL400_API uint8_t OCEL400_CALL GetRate2(void);
OCEL400_API uint8_t OCEL400_CALL GetRate3(void);
OCEL400_API uint8_t OCEL400_CALL GetRate4(void);
OCEL400_API uint8_t OCEL400_CALL GetRate5(void);
OCEL400_API uint8_t OCEL400_CALL GetRateP(void);
OCEL400_API uint8_t OCEL400_CALL GetDioSel(void);
OCEL400_API uint8_t OCEL400_CALL GetReBps(void);
OCEL400_API uint8_t OCEL400_CALL GetRePrt(void);
/* clang-format on */

/* Manual gain in dB (model 0 in steps of 0.5 dB, model 1 in 0.1 dB up to
 * 24 dB and 1.6 dB above). */
OCEL400_API double OCEL400_CALL GetMGC(void);
/* Manual shutter as x of 1/x second, computed from the camera's code (a
 * standard speed reads back near, not at, its value: PAL 1/1000 s as 989). */
OCEL400_API uint16_t OCEL400_CALL GetMES(void);
/* One row of the area grid, in the bit order SelectArea takes. */
OCEL400_API int32_t OCEL400_CALL ReadArea(int32_t row);

#ifdef __cplusplus
}
#endif

#endif /* OCEL400_H */
