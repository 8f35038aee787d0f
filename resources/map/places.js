// The card's index on the map: a click offers the recordings that passed the place (asked of
// the program over the web channel), the place searched is circled, and every drive of the card
// can be drawn at once. The application calls setPlaceOffer(text), showPlace(lat, lng, radius)
// or showPlace(null), and setAllDrives([{label, lines: [[[lat, lng]…]…]}]) or setAllDrives(null).
(function () {
    'use strict';

    var map = window.routeMap;
    var DRIVE_COLOURS = ['#3d9bff', '#ff9f1c', '#2ec4b6', '#e71d36', '#b388eb', '#9bc53d',
                         '#f15bb5', '#fee440'];
    map.createPane('drives').style.zIndex = 400;
    map.createPane('place').style.zIndex = 600;

    var channel = null;
    var offerText = '';
    var drives = L.layerGroup().addTo(map);
    var place = L.layerGroup().addTo(map);
    var state = { channel: false, offer: '', place: null, radius: 0, drives: 0, lines: 0,
                  points: 0, popup: false };

    if (window.qt && window.qt.webChannelTransport && window.QWebChannel) {
        new QWebChannel(window.qt.webChannelTransport, function (webChannel) {
            channel = webChannel.objects.mapPage || null;
            state.channel = !!channel;
        });
    }

    function validPoint(point) {
        return Array.isArray(point) && point.length >= 2 && isFinite(point[0]) &&
            isFinite(point[1]) && Math.abs(point[0]) <= 90 && Math.abs(point[1]) <= 180 &&
            !(point[0] === 0 && point[1] === 0);
    }

    function askAbout(latlng) {
        map.closePopup();
        if (channel)
            channel.recordingsHere(latlng.lat, latlng.lng);
    }

    // The offer: one button in a popup where the user clicked. Its text comes from the
    // program's string table and is set as text, never as markup.
    map.on('click', function (event) {
        if (!channel || !offerText)
            return;
        var button = document.createElement('button');
        button.className = 'place-offer';
        button.type = 'button';
        button.textContent = offerText;
        button.addEventListener('click', function () { askAbout(event.latlng); });
        // The map moves the offer out from under the offline notice, where it cannot be pressed.
        var note = document.getElementById('offline-note');
        var noticeBottom = note && !note.hidden ? note.offsetTop + note.offsetHeight : 0;
        L.popup({ closeButton: false, className: 'place-popup', offset: [0, -4],
                  autoPanPaddingTopLeft: L.point(5, noticeBottom + 5) })
            .setLatLng(event.latlng).setContent(button).openOn(map);
    });
    map.on('popupopen', function () { state.popup = true; });
    map.on('popupclose', function () { state.popup = false; });

    function setPlaceOffer(text) {
        offerText = String(text || '');
        state.offer = offerText;
        if (!offerText)
            map.closePopup();
    }

    // The place asked about stays in sight, also when the list of its passes takes the map's
    // room: a map that shrinks keeps its centre, and the place may have been near an edge.
    function keepPlaceInView() {
        if (state.place && !map.getBounds().contains(state.place))
            map.panTo(state.place, { animate: false });
    }
    map.on('resize', keepPlaceInView);

    function showPlace(lat, lng, radius) {
        place.clearLayers();
        state.place = null;
        state.radius = 0;
        if (!validPoint([lat, lng]) || !(radius > 0))
            return;
        state.place = [lat, lng];
        state.radius = radius;
        L.circle([lat, lng], {
            pane: 'place', interactive: false, radius: radius, weight: 2, color: '#ffffff',
            fillColor: '#ffffff', fillOpacity: 0.15, dashArray: '4 4'
        }).addTo(place);
        L.circleMarker([lat, lng], {
            pane: 'place', interactive: false, radius: 4, weight: 2, color: '#0c3a6e',
            fillColor: '#ffffff', fillOpacity: 1
        }).addTo(place);
        keepPlaceInView();
    }

    function setAllDrives(data) {
        drives.clearLayers();
        state.drives = 0;
        state.lines = 0;
        state.points = 0;
        if (!Array.isArray(data))
            return;
        var all = [];
        data.forEach(function (drive, index) {
            var colour = DRIVE_COLOURS[index % DRIVE_COLOURS.length];
            var lines = (drive && Array.isArray(drive.lines) ? drive.lines : []).map(function (line) {
                return (Array.isArray(line) ? line : []).filter(validPoint);
            }).filter(function (line) { return line.length > 0; });
            if (lines.length === 0)
                return;
            ++state.drives;
            lines.forEach(function (line) {
                ++state.lines;
                state.points += line.length;
                all = all.concat(line);
            });
            L.polyline(lines, { pane: 'drives', color: '#0c3a6e', weight: 6, opacity: 0.6,
                                interactive: false, lineJoin: 'round', lineCap: 'round' })
                .addTo(drives);
            var line = L.polyline(lines, { pane: 'drives', color: colour, weight: 3, opacity: 1,
                                           lineJoin: 'round', lineCap: 'round' }).addTo(drives);
            // The label is the program's text, shown as text.
            var label = document.createElement('span');
            label.textContent = String(drive.label || '');
            line.bindTooltip(label, { sticky: true });
        });
        if (all.length > 0 && map.getSize().x >= 80 && map.getSize().y >= 80)
            map.fitBounds(L.latLngBounds(all), { padding: [24, 24], maxZoom: 16, animate: false });
    }

    window.setPlaceOffer = setPlaceOffer;
    window.showPlace = showPlace;
    window.setAllDrives = setAllDrives;
    window.placesState = function () { return state; };
})();
