// The whole trip under the recording's route: every recording of the drive as a quieter line,
// the playing one highlighted, and a marker where each event recording starts. The application
// calls setTripRoute(data) with {key, parts: [{name, points, current, event}], events: [{name,
// time, at}]}, or null to take the trip away.
(function () {
    'use strict';

    var map = window.routeMap;
    var TRIP_MAX_ZOOM = 16;
    map.createPane('trip').style.zIndex = 405;
    map.createPane('tripEvents').style.zIndex = 615;

    var layer = L.layerGroup().addTo(map);
    var bounds = null;
    var shownKey = null;
    var fitPending = false;
    var state = { parts: 0, current: -1, events: [], points: 0 };

    function validPoint(point) {
        return Array.isArray(point) && point.length >= 2 && isFinite(point[0]) &&
            isFinite(point[1]) && Math.abs(point[0]) <= 90 && Math.abs(point[1]) <= 180 &&
            !(point[0] === 0 && point[1] === 0);
    }

    function fitTrip() {
        var size = map.getSize();
        fitPending = !!bounds && (size.x < 80 || size.y < 80);
        if (!bounds || fitPending)
            return;
        map.fitBounds(bounds, { padding: [24, 24], maxZoom: TRIP_MAX_ZOOM, animate: false });
    }

    function drawPart(points, current) {
        var style = { pane: 'trip', interactive: false, lineJoin: 'round', lineCap: 'round' };
        L.polyline(points, L.extend({ color: '#0c3a6e', weight: current ? 9 : 7,
                                      opacity: current ? 0.9 : 0.55 }, style)).addTo(layer);
        L.polyline(points, L.extend({ color: current ? '#3d9bff' : '#8fb4dc',
                                      weight: current ? 5 : 3, opacity: 1 }, style)).addTo(layer);
    }

    function drawEvent(event) {
        L.circleMarker(event.at, {
            pane: 'tripEvents', interactive: true, radius: 7, weight: 2, color: '#ffffff',
            opacity: 1, fillColor: '#ff4d3d', fillOpacity: 1
        }).bindTooltip(window.pageTexts.event.replace('%1', function () {
            return String(event.time);
        }), {
            // In the events' own pane, below the car's: the label never hides where the car is.
            pane: 'tripEvents',
            permanent: true, direction: 'top', offset: [0, -8], className: 'trip-event-label'
        }).addTo(layer);
    }

    function setTripRoute(data) {
        layer.clearLayers();
        state = { parts: 0, current: -1, events: [], points: 0 };
        bounds = null;
        if (!data || !Array.isArray(data.parts)) {
            shownKey = null;
            return;
        }
        var all = [];
        data.parts.forEach(function (part, index) {
            var points = (Array.isArray(part.points) ? part.points : []).filter(validPoint);
            ++state.parts;
            state.points += points.length;
            if (part.current)
                state.current = index;
            all = all.concat(points);
            if (points.length > 0)
                drawPart(points, !!part.current);
        });
        (Array.isArray(data.events) ? data.events : []).forEach(function (event) {
            if (!validPoint(event.at))
                return;
            state.events.push(String(event.time));
            drawEvent(event);
        });
        if (all.length > 0)
            bounds = L.latLngBounds(all);
        // A new trip is shown whole; the next recording of the same trip keeps the view.
        if (data.key !== shownKey) {
            shownKey = data.key;
            fitTrip();
        }
    }

    // The recording's own route fits the map to itself: with a trip shown, the trip stays in
    // view instead.
    var recordingRoute = window.setRoute;
    window.setRoute = function (points) {
        recordingRoute(points);
        fitTrip();
    };

    map.on('resize', function () {
        if (fitPending)
            fitTrip();
    });

    window.setTripRoute = setTripRoute;
    window.tripState = function () { return state; };
})();
