/* Device library: the phone's ringtones behind a table of plain C functions.
 * Text is NUL-terminated UTF-8; device is always 0. */
#ifndef HANDVIA_H
#define HANDVIA_H

#ifdef __cplusplus
extern "C" {
#endif

/* kind 0: "connect", "disconnect" or HANDVIA_CONNECT_FAILED. Called on a library thread. */
typedef int (*handvia_event_callback)(int kind, const char *text);

#define HANDVIA_CONNECT_FAILED "{1A24CC59-DF3E-49fe-A677-0DB951E26846}"
#define HANDVIA_ITUNES_PATH_SIZE 260

/* Results of commit besides 0 (written) and -1 (no phone, lock or write failed; the staged
 * changes are kept for a later commit). */
#define HANDVIA_E_OTHER_PHONE (-2) /* changes staged for another phone were dropped */
#define HANDVIA_E_UPLOAD_LOST (-3) /* an upload vanished from the phone; its add was dropped */
/* The phone's database holds values that a rewrite would change (an XML file with numbers or
 * dates the binary form cannot carry): it was left as it was, the changes stay staged. */
#define HANDVIA_E_DATABASE_KEPT (-4)
/* The phone's database is there but cannot be read: nothing was written, the changes stay
 * staged. get_ringtone answers this too, so an unreadable list is not taken for an empty one;
 * start_new_database moves the file aside so that the next commit starts a new list. */
#define HANDVIA_E_DATABASE_UNREADABLE (-5)

typedef void (*handvia_unused)(void);

#define HANDVIA_KIND_RINGTONE 0
#define HANDVIA_KIND_TONE 1 /* an alert (text) tone */

#define HANDVIA_PHONE_READY 0
#define HANDVIA_PHONE_NONE 1 /* no phone attached */
#define HANDVIA_PHONE_LOCKED 2
#define HANDVIA_PHONE_TRUST_PENDING 3
#define HANDVIA_PHONE_TRUST_REFUSED 4
#define HANDVIA_PHONE_NO_USBMUXD 5
#define HANDVIA_PHONE_OTHER 6

/* Member i is entry i of the table; the program never calls the unused ones. */
typedef struct HandviaApi
{
    unsigned (*query_itunes)(char *path, int size); /* 0 */
    int (*set_event_callback)(handvia_event_callback cb); /* 1 */
    int (*commit)(int device); /* 2 */
    handvia_unused unused3; /* 3 */
    handvia_unused unused4; /* 4 */
    handvia_unused unused5; /* 5 */
    handvia_unused unused6; /* 6 */
    handvia_unused unused7; /* 7 */
    int (*copy_from_phone)(int device, const char *phone_path, const char *local_path); /* 8 */
    int (*replace_on_phone)(int device, const char *phone_path, const char *local_path); /* 9 */
    handvia_unused unused10; /* 10 */
    handvia_unused unused11; /* 11 */
    handvia_unused unused12; /* 12 */
    handvia_unused unused13; /* 13 */
    int (*add_ringtone)(int device, const char *local_path, int length_ms); /* 14 */
    handvia_unused unused15; /* 15 */
    int (*get_ringtone)(int device,
                        int index,
                        char *title,
                        int title_size,
                        char *file_name,
                        int file_name_size); /* 16 */
    int (*remove_ringtone)(int device, int index); /* 17 */
    int (*rename_ringtone)(int device, int index, const char *title); /* 18 */
    /* Entries below may be NULL: the call is not supported. */
    int (*set_ringtone_kind)(int device, int index, int kind); /* 19, HANDVIA_KIND_* */
    int (*get_ringtone_kind)(int device, int index); /* 20 */
    int (*restart_phone)(int device); /* 21 */
    /* 22: a HANDVIA_PHONE_* value; for HANDVIA_PHONE_OTHER, text holds the error. */
    int (*phone_state)(int device, char *text, int text_size);
    /* 23: with abandon 1, a commit waiting for another writer's sync lock gives up at once and
     * fails with its changes kept, and so does every later one, until called with 0. For a
     * program that is closing. */
    int (*abandon_waits)(int device, int abandon);
    /* 24: moves an unreadable database aside, beside it as
     * Ringtones.unreadable-<YYYYMMDD-HHMMSS>.plist (local time), under the writers' lock; 0 when
     * moved or when there is nothing unreadable to move, -1 when it stayed in place. */
    int (*start_new_database)(int device);
} HandviaApi;

#if defined(__GNUC__)
#define HANDVIA_EXPORT __attribute__((visibility("default")))
#else
#define HANDVIA_EXPORT
#endif

HANDVIA_EXPORT HandviaApi *handvia_get_api(void);

#ifdef __cplusplus
}
#endif

#endif
